// Angaben: tavrenno-cli's reading of command options.
#include "Cli.h"

Angaben leseAngaben(const QStringList &args, const QStringList &mitWert, const QStringList &schalter)
{
    Angaben a;
    // the first fault is reported; the walk goes on so that a later --help is still seen
    auto fehler = [&a](const QString &text) {
        if (a.fehler.isEmpty())
            a.fehler = text;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.hilfe = true;
        } else if (mitWert.contains(arg)) {
            if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--")))
                fehler(arg + QStringLiteral(" braucht einen Wert"));
            else if (a.werte.contains(arg))
                fehler(QStringLiteral("Unbekannte oder doppelte Angabe: ") + arg);
            else
                a.werte.insert(arg, args[++i]);
        } else if (schalter.contains(arg) && !a.schalter.contains(arg)) {
            a.schalter.insert(arg);
        } else if (arg.startsWith(QLatin1String("--")) || schalter.contains(arg)) {
            fehler(QStringLiteral("Unbekannte oder doppelte Angabe: ") + arg);
        } else {
            a.rest << arg;
        }
    }
    return a;
}
