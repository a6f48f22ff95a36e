// tavrenno-cli: sets up data directories and works on them without the windows.
#include "Register.h"

#include "app/DataHome.h"
#include "store/EngineError.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <new>
#include <stdexcept>

// Inzucht.cpp
int importPedigree(const QString &home, const QString &pfad, QTextStream &out, QTextStream &err);
int coi(const QString &home, const QStringList &args, QTextStream &out, QTextStream &err);

namespace {
int usage(QTextStream &err)
{
    err << "Aufruf: tavrenno-cli --home DIR init | demo | generate --cats N --generations G --seed S "
           "[--breeders B]\n"
           "       | import-pedigree DATEI\n"
           "       | coi (--cat N | --cat-name NAME | --sire N --dam M | --sire-name A --dam-name B)"
           " [--generations G] [--details [--max-lines N]] [--json]\n";
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    // pictures are drawn without a screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    QString home = qEnvironmentVariable("TAVRENNO_HOME");
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--home" && i + 1 < args.size())
            home = args[++i];
        else
            rest << args[i];
    }
    if (home.isEmpty() || rest.isEmpty())
        return usage(err);
    const QString command = rest.takeFirst();
    auto option = [&](const QString &name, const QString &def) {
        const int i = int(rest.indexOf(name));
        return i >= 0 && i + 1 < rest.size() ? rest[i + 1] : def;
    };
    try {
        if (command == "init") {
            tav::app::initDataDirectory(home);
            out << "Datenverzeichnis angelegt: " << tav::app::dataDirOf(home) << "\n";
        } else if (command == "demo") {
            if (!QFileInfo::exists(tav::app::dataDirOf(home)))
                tav::app::initDataDirectory(home);
            writeDemo(home);
            out << "Demodaten geschrieben: " << tav::app::dataDirOf(home) << "\n";
        } else if (command == "generate") {
            GenerateOptions o;
            bool ok1, ok2, ok3, ok4;
            o.cats = option("--cats", "1000").toInt(&ok1);
            o.generations = option("--generations", "10").toInt(&ok2);
            o.seed = option("--seed", "1").toUInt(&ok3);
            o.breeders = option("--breeders", "0").toInt(&ok4);
            if (!ok1 || !ok2 || !ok3 || !ok4 || o.cats < 1 || o.generations < 1 || o.breeders < 0)
                return usage(err);
            if (!QFileInfo::exists(tav::app::dataDirOf(home)))
                tav::app::initDataDirectory(home);
            writeSynthetic(home, o, rest.contains("--verbose"));
            out << o.cats << " Katzen in " << o.generations << " Generationen geschrieben\n";
        } else if (command == "import-pedigree") {
            if (rest.size() != 1)
                return usage(err);
            return importPedigree(home, rest.first(), out, err);
        } else if (command == "coi") {
            return coi(home, rest, out, err);
        } else {
            return usage(err);
        }
    } catch (const tav::store::EngineError &e) {
        for (const auto &entry : e.entries())
            err << entry.message << " (" << entry.code << ")\n";
        return 1;
    } catch (const std::bad_alloc &) {
        err << "Zu wenig Arbeitsspeicher für " << command << ".\n";
        return 1;
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}
