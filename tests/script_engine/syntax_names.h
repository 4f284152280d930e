#pragma once
// The names of the four script syntaxes, as the tests select them.
#include <QString>

inline const QString kPascal = QStringLiteral("PascalScript");
inline const QString kCpp = QStringLiteral("C++Script");
inline const QString kBasic = QStringLiteral("BasicScript");
inline const QString kJScript = QStringLiteral("JScript");
