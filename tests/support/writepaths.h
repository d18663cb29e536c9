#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Form1;
class TestProgram;

// One command of the program that writes a file, as a test drives it: prepare opens the windows
// it needs and fills what it writes; run clicks it and answers its boxes so that it goes on.
struct WritePath
{
    QString name;
    QString file;      // the file it writes, or the one a fault aimed at a single file hits
    bool firstWritten; // no other file is written before it
    bool onDesktop;    // the desktop rather than the Data folder
    QString done;      // what the command says once it has written; empty when it says nothing
    std::function<void(TestProgram &, Form1 &)> prepare;
    std::function<void(TestProgram &, Form1 &)> run;
};

// Every Save, All Save, All Del and slot save, the aux memo saves and bulk commands, ">Set",
// ">" (its working file), "IE" (both pages) and "O-put".
QList<WritePath> writePaths();

// What every field on screen holds: the main window's and those of the open aux memo windows.
QStringList screenTexts(Form1 &form);
