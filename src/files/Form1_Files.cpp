#include "app/Form1.h"

#include <QCoreApplication>

// PLACEHOLDER: opening and saving are being built.
void Form1::Command2_Click() {}
void Form1::Command4_Click() {}
QString Form1::programFolder() { return QCoreApplication::applicationDirPath(); }
