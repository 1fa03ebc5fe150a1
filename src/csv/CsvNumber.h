#pragma once

#include <QString>
#include <optional>

// A cell that is a plain decimal number and nothing else ("146.52", "-0.6", ".5"); the
// grid reads the leading number of any text, a file's cell must be the number itself.
std::optional<double> csvNumber(const QString& cell);
