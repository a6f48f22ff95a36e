#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cats/CatRules.h"

// The arguments after a command: options with a value (--cats N), switches (--json) and the rest.
struct Angaben {
    QHash<QString, QString> werte;
    QSet<QString> schalter;
    QStringList rest;
    bool hilfe = false; // --help or -h
    QString fehler;     // empty when every argument was understood

    bool hat(const QString &name) const { return werte.contains(name) || schalter.contains(name); }
    QString wert(const QString &name, const QString &vorgabe = QString()) const
    {
        return werte.value(name, vorgabe);
    }
};
// An option is known by its name; its value is the next argument unless that is missing or is
// itself an option ("--..."), which gives "--cats braucht einen Wert".
Angaben leseAngaben(const QStringList &args, const QStringList &mitWert, const QStringList &schalter = {});

using tav::cats::istKater;
using tav::cats::istKatze;

// Import.cpp
int importPedigree(const QString &home, const QString &pfad, QTextStream &out, QTextStream &err);
// Inzucht.cpp
int coi(const QString &home, const Angaben &a, QTextStream &out, QTextStream &err);
