#pragma once
// The weight statement and data sheet of the Bonanza A36: 121 fixed
// lines, laid out as the maker's printed pages (label, run of full stops,
// value with imperial and metric figures in one text).
#include <QStringList>

namespace Bonanza_sheet {

constexpr int lineCount = 121;

// The sheet's lines in order, line 1 first.
const QStringList& lines();

} // namespace Bonanza_sheet
