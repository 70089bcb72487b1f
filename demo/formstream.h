#pragma once

// The form's stored stream, built into the program from
// demo/data/TFormINIFile.frm.

#include <QByteArray>

namespace demo {

QByteArray FormINIFileStream();

} // namespace demo
