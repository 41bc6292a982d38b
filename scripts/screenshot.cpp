// karix-shot DESIGN.krx OUT.png: opens a design in the main window offscreen
// and writes one PNG per sheet (see SheetScreenshots). Messages that would
// open a box are printed instead.
#include "app/mainwindow.h"
#include "app/prompter.h"
#include "app/sheetscreenshots.h"

#include <QApplication>
#include <cstdio>

namespace {

class PrintingPrompter : public Prompter
{
public:
    QMessageBox::StandardButton warning(QWidget *, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                        std::optional<QPoint>) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return QMessageBox::No;
    }
    std::optional<QString> askText(QWidget *, const QString &, const QString &,
                                   const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Own settings store: screenshots never touch the user's recent files.
    app.setOrganizationName(QStringLiteral("Quorvex"));
    app.setApplicationName(QStringLiteral("KaRiX-shot"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: karix-shot DESIGN.krx OUT.png\n");
        return 2;
    }
    PrintingPrompter prompter;
    MainWindow window(QString(), nullptr);
    window.setPrompter(&prompter);
    window.open(QString::fromLocal8Bit(argv[1]));
    const QStringList files = SheetScreenshots::render(window, QString::fromLocal8Bit(argv[2]));
    for (const QString &file : files)
        std::printf("%s\n", qPrintable(file));
    return files.isEmpty() ? 1 : 0;
}
