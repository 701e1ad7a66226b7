#pragma once

#include <QByteArray>
#include <QStringList>

// The language asked for on the command line: the code behind "-lang=" in the
// arguments after the program name (the first entry). An argument counts only
// when it splits at "=" into exactly two parts, the first being "-lang"; the
// last such argument wins. Empty when there is none.
QByteArray requestedLanguage(const QStringList &arguments);

// The whole program: start-up, the event loop and the shutdown. Returns the
// event loop's exit code.
int runTspx(int argc, char **argv);
