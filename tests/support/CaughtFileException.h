// What a host's catch of the framework's file exception sees.
#pragma once

#include <string>
#include <utility>

#include "afx/CFileException.h"

// The cause and file name of the CFileException that action throws; {-1, ""} when it throws none.
template <class Action> std::pair<int, std::string> FileExceptionOf(Action action)
{
    try {
        action();
    } catch (CFileException* error) {
        std::pair<int, std::string> caught(error->m_cause, std::string(error->m_strFileName));
        error->Delete();
        return caught;
    }
    return {-1, ""};
}
