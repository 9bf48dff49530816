# The BMP header checks: portable, so they also run natively under ASan + UBSan.
zr8_add_portable_test(zr8_progress_header_tests progress/DibHeaderTest.cpp)

# CDIB and CScaleDlg under Wine: files of every kind, pixels drawn,
# palettes selected; the progress dialog's template, bars, timer and input.
zr8_add_windows_test(zr8_progress_tests progress/DibTest.cpp progress/ScaleDlgTest.cpp
    progress/HostScale.rc)
if(WIN32)
    target_link_libraries(zr8_progress_tests PRIVATE imm32)
endif()
