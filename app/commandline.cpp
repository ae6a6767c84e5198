#include "app/commandline.h"

#include <QCoreApplication>
#include <QString>

#include <string>

#include <string_view>

namespace dryfriction {

namespace {

constexpr const char* kContext = "dryfriction::CommandLine";

constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "dryfriction::CommandLine",
    "Использование: dryfriction [--help] [--version] [ключи Qt]\n"
    "\n"
    "Моделирование колебаний груза на горизонтальной пружине при сухом (кулоновом)\n"
    "трении: анимация движения, графики координаты, скорости, энергии и пути\n"
    "в зависимости от времени и фазовый портрет.\n"
    "\n"
    "  -h, --help   вывести эту справку и выйти\n"
    "  --version    вывести версию программы и выйти\n"
    "\n"
    "Остальные ключи принимает Qt (например, -platform или -style).\n"
    "Справочные документы меню «Файл» и «Помощь» ищутся в текущей папке,\n"
    "затем в папке ../share/dryfriction/docs рядом с программой, а у программы,\n"
    "собранной из исходных текстов, ещё и в папке docs её дерева сборки.\n"
    "Те же числа для таблиц и скриптов выводит программа dryfriction-table.\n");

constexpr const char* kReleaseDate = QT_TRANSLATE_NOOP("dryfriction::CommandLine", "Дата выпуска: %1");
constexpr const char* kNotWritten = QT_TRANSLATE_NOOP("dryfriction::CommandLine", "не удалось вывести результат");

std::string translated(const char* text)
{
    return QCoreApplication::translate(kContext, text).toStdString();
}

// The answer counts only once it is out: a full disk or a closed output is
// an error, as it is for dryfriction-table.
int written(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (out)
        return 0;
    err << "dryfriction: " << translated(kNotWritten) << '\n';
    return 1;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                                     const ReleaseInfo& release)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            out << "dryfriction " << release.version << '\n'
                << QCoreApplication::translate(kContext, kReleaseDate)
                       .arg(QString::fromStdString(releaseDateText(release)))
                       .toStdString()
                << '\n';
            return written(out, err);
        }
        if (arg == "--help" || arg == "-h") {
            // No application object exists yet, so no translator is installed:
            // the text prints as written, in Russian, like the window.
            out << translated(kHelp);
            return written(out, err);
        }
    }
    return std::nullopt;
}

}  // namespace dryfriction
