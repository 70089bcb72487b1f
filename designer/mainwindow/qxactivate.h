#pragma once

// The designer library's entry: runs the designer's main window modally on
// the document FileName (null: none) and returns when it closes. Embedded,
// the designer edits that file for its caller; WithSplash shows the splash
// form while it starts. No exception leaves it: failures are shown
// through the application's exception display.

extern "C" {
__attribute__((visibility("default"))) void QXActivate(const char* FileName, unsigned char Embedded,
                                                       unsigned char WithSplash) noexcept;
}
