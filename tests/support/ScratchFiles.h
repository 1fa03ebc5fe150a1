#pragma once

#include <QByteArray>
#include <QString>

// Whole files of a test's scratch folder: the bytes of one (empty when it cannot be read),
// and one written with the given bytes (its path, or empty when that failed).
QByteArray readFile(const QString& path);
QString writeFile(const QString& path, const QByteArray& bytes);
