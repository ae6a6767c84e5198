#include "ui/commandline.h"

#include <QCoreApplication>
#include <QString>

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

}  // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            out << "dryfriction " << DRYFRICTION_VERSION << '\n';
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            // No application object exists yet, so no translator is installed:
            // the text prints as written, in Russian, like the window.
            out << QCoreApplication::translate(kContext, kHelp).toStdString();
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace dryfriction
