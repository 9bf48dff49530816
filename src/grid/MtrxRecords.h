// Records of the matrix controls: the colour set shared by the matrix list
// and the input matrix, and the input matrix's initialisation record.
// The caller owns every array a record points to; they must outlive the
// control.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
typedef unsigned int UINT;
#endif

// Five colours (0x00BBGGRR) of a matrix list.
struct MTRX_COLOR {
    unsigned long crEvenBack;  // rows with an even data index
    unsigned long crOddBack;   // rows with an odd data index
    unsigned long crGrid;      // column lines and the lines between the lines of a row
    unsigned long crFrame;     // frame lines round each row
    unsigned long crCursor;    // cursor frame round the current row
};

// One line of a row: its columns, their codes (alignment 0 centre, 1 left,
// 2 right, plus 16 for a column that stretches) and their titles, whose
// byte lengths decide the column widths.
struct MTRX_LINE {
    // Added to an alignment code: the column stretches.
    static constexpr short kStretchFlag = 16;

    short nColumns;  // at most 512
    short* pCodes;
    char** pTitles;
};

// One cell of the footer band, spanning columns nFirst ... nLast of line nLine.
struct MTRX_FOOTCELL {
    short nRow;    // footer row, 0-based
    short nLine;   // line whose column positions are used
    short nFirst;
    short nLast;
    short nAlign;  // alignment code
    char* pText;   // at most 79 bytes
};

// Initialisation record of the input matrix (CInterMtrx::Initial).
struct SETINITIAL {
    long lDataCount;
    short nLines;       // lines per row, 1 to 4
    short bStartAtEnd;  // non-zero: the first view shows the end of the data
    MTRX_LINE line[4];
    int nLeft;          // x of the list's left edge in the parent
    int nRight;         // distance of the list's right edge from the parent's right client edge
    int nTop;           // y of the first title row in the parent
    int nExtraBottom;   // pixels by which the list window stops short of the footer band
    short nFootRows;    // 0: no footer band
    short nFootCells;
    MTRX_FOOTCELL* pFootCells;
    UINT nRowMsg;       // row-data request
    UINT nEnterMsg;     // activate
    UINT nKeyMsg;
    UINT nSelMsg;
    UINT nRButtonMsg;
    UINT nCellMsg;
    UINT nFocusMsg;
    UINT nAppendMsg;
    int bKeyThrough;
    UINT nShiftUpMsg;
    int bNoMoreData;    // 1: no more-data message; any other value enables it
    short bThumbTrack;
    UINT nMoreDataMsg;
};
