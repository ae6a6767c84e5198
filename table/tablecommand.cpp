#include "table/tablecommand.h"

#include "model/analytic.h"
#include "model/characteristics.h"
#include "model/inputrules.h"
#include "model/motion.h"
#include "model/numbertext.h"
#include "model/plotranges.h"
#include "model/samplecsv.h"
#include "table/rulemessages.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace dryfriction {

namespace {

constexpr std::string_view kUsage =
    "Usage: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] [--samples]\n"
    "Использование: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] "
    "[--samples]\n";

constexpr std::string_view kHelp =
    "Usage: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] [--samples]\n"
    "\n"
    "Computes the motion of a load on a horizontal spring with dry (Coulomb) friction\n"
    "exactly as the dryfriction program does, and prints its characteristics and the\n"
    "results of the run as key=value lines; with --samples it prints every sample of\n"
    "the run as CSV (t,x,Vx,W/Wo,path) instead.\n"
    "\n"
    "  --m M      mass of the load, kg (default 0.1)\n"
    "  --k K      spring stiffness, N/m (default 40)\n"
    "  --mu MU    sliding friction coefficient (default 0.2)\n"
    "  --x0 X     initial coordinate, in units of the stagnation half-width (default 9.5)\n"
    "  --v0 V     initial velocity, in units of Va, either sign (default 6)\n"
    "  --t T      calculation time, dimensionless phase w*t (default 20)\n"
    "  --samples  print the samples of the run as CSV\n"
    "  --help     print this help\n"
    "  --version  print the version\n"
    "\n"
    "A value always follows its option, also when it starts with \"-\" (--v0 -6).\n"
    "Numbers are read and written with \".\" as the decimal separator in every locale;\n"
    "written numbers read back to the same value. A value must be one number and\n"
    "nothing else (\"9,5\", \"4O\" or \"0.5kg\" is an error). A value that the program's input\n"
    "fields would correct is an error here: its message goes to stderr.\n"
    "Limits: m, k, mu from 1e-6 to 1e6; |x0| and |v0| up to 1000; t above 0 up to 10000.\n"
    "Exit status: 0 success, 1 the output could not be written, 2 a wrong option or value.\n"
    "\n"
    "Использование: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] "
    "[--samples]\n"
    "\n"
    "Рассчитывает движение груза на горизонтальной пружине с сухим (кулоновым) трением\n"
    "точно так же, как программа dryfriction, и выводит характеристики и результаты\n"
    "расчёта строками ключ=значение; с --samples выводит вместо них все отсчёты\n"
    "расчёта в формате CSV (t,x,Vx,W/Wo,path).\n"
    "\n"
    "  --m M      масса груза, кг (по умолчанию 0.1)\n"
    "  --k K      коэффициент жёсткости пружины, Н/м (по умолчанию 40)\n"
    "  --mu MU    коэффициент трения скольжения (по умолчанию 0.2)\n"
    "  --x0 X     начальная координата в полуширинах зоны застоя (по умолчанию 9.5)\n"
    "  --v0 V     начальная скорость в единицах Va, любого знака (по умолчанию 6)\n"
    "  --t T      время расчёта, безразмерная фаза w*t (по умолчанию 20)\n"
    "  --samples  вывести отсчёты расчёта в формате CSV\n"
    "  --help     вывести эту справку\n"
    "  --version  вывести версию\n"
    "\n"
    "Значение всегда следует за своим ключом, даже если начинается с \"-\" (--v0 -6).\n"
    "Десятичный разделитель чисел — точка при любых региональных настройках.\n"
    "Значение должно быть одним числом и ничем больше (\"9,5\", \"4O\" или \"0.5kg\" — ошибка).\n"
    "Значение, которое поля ввода программы исправили бы, здесь является ошибкой:\n"
    "сообщение выводится в stderr.\n"
    "Пределы: m, k, mu от 1e-6 до 1e6; |x0| и |v0| не больше 1000; t больше 0 и не больше 10000.\n"
    "Код завершения: 0 успех, 1 не удалось вывести результат, 2 неверный ключ или значение.\n";

struct Option {
    std::string_view name;
    InputField field;
};

// In the order of the input fields, which is also the order of the checks.
constexpr std::array<Option, 6> kOptions{{
    {"--m", InputField::Mass},
    {"--k", InputField::Stiffness},
    {"--mu", InputField::Friction},
    {"--x0", InputField::X0},
    {"--v0", InputField::V0},
    {"--t", InputField::Time},
}};

// The shortest text that reads back to the same value, "." in every locale.
template <typename T>
std::string number(T value)
{
    return shortestText(value);
}

int usage(std::ostream& err, std::string_view reason)
{
    err << "dryfriction-table: " << reason << '\n' << kUsage;
    return kTableUsage;
}

int finish(std::ostream& out, std::ostream& err)
{
    out.flush();
    if (!out) {
        err << "dryfriction-table: the output could not be written\n";
        return kTableWriteFailed;
    }
    return kTableOk;
}

}  // namespace

int runTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    ProblemParameters p = kStartupParameters;
    bool samples = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out << kHelp;
            return finish(out, err);
        }
        if (arg == "--version") {
            out << "dryfriction-table " << DRYFRICTION_VERSION << '\n';
            return finish(out, err);
        }
        if (arg == "--samples") {
            samples = true;
            continue;
        }
        // "--x0 -6" and "--x0=-6" both give a value.
        std::string_view value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string_view::npos && arg.starts_with("--")) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        const Option* option = nullptr;
        for (const Option& o : kOptions) {
            if (o.name == arg)
                option = &o;
        }
        if (option == nullptr)
            return usage(err, "unknown option " + std::string(args[i]));
        if (!hasValue) {
            // A value may start with "-" (--v0 -6), but what starts with "--"
            // is the next option: the value before it is missing.
            if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
                return usage(err, "missing value after " + std::string(arg));
            value = args[++i];
        }
        if (!isWholeNumber(value))
            return usage(err, "the value of " + std::string(arg) + " is not a number: \"" + std::string(value)
                                  + "\" (write it with a point, as 9.5 or 1e-3)");
        storeInput(option->field, readNumber(value), p);
    }

    // Every value meets the checks of its input field, with the other values
    // in force; what a field would correct is an error here.
    for (const Option& o : kOptions) {
        if (const auto correction = checkInput(o.field, p)) {
            err << "dryfriction-table: " << o.name << ": " << ruleMessage(correction->rule) << '\n';
            return kTableUsage;
        }
    }

    const MotionCharacteristics c = characteristicsOf(p);
    if (samples) {
        writeSamplesCsv(out, p, c);
        return finish(out, err);
    }

    MotionRun run(p, c);
    while (run.next()) {
    }
    const RunResult result = run.result();
    const float xendAn = analyticFinalDistance(c.firstAmplitude);
    const float pendAn = analyticFinalPath(xendAn, c.initialEnergy);
    const PlotRanges ranges = computePlotRanges(p, c);

    out << "w=" << number(c.omega) << '\n'
        << "To=" << number(c.period) << '\n'
        << "a=" << number(c.zoneHalfWidth) << '\n'
        << "Va=" << number(c.velocityScale) << '\n'
        << "Ao=" << number(c.firstAmplitude) << '\n'
        << "tau_0=" << number(c.firstStop) << '\n'
        << "n_half=" << number(c.halfSwings) << '\n'
        << "t_m=" << number(c.finalStop) << '\n'
        << "Wo=" << number(c.initialEnergy) << '\n'
        << "dt=" << number(c.timeStep) << '\n'
        << "samples=" << run.sampleCount() << '\n'
        << "X_end=" << number(result.finalX) << '\n'
        << "P_end=" << number(result.finalPath) << '\n'
        << "Xend_an=" << number(xendAn) << '\n'
        << "Pend_an=" << number(pendAn) << '\n'
        << "Xmax=" << number(ranges.xMax) << '\n'
        << "Vmax=" << number(ranges.vMax) << '\n'
        << "PathMax=" << number(ranges.pathMax) << '\n';
    return finish(out, err);
}

}  // namespace dryfriction
