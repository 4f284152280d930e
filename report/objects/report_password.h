#pragma once
// The password of a report as report files hold it: every UTF-16 code unit shifted down by 10.
// It keeps the password from being read at a glance; it is not a protection.
#include <QString>

QString rpEncodePwd(const QString& password);
QString rpDecodePwd(const QString& stored);
