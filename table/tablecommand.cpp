#include "table/tablecommand.h"

#include "model/analytic.h"
#include "model/characteristics.h"
#include "model/inputrules.h"
#include "model/motion.h"
#include "model/numbertext.h"
#include "model/plotranges.h"
#include "model/samplecsv.h"
#include "table/rulemessages.h"

#include "releaseinfo.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace dryfriction {

namespace {

// The companion speaks Russian, as the window, its messages about values
// (shared with the window) and its manual page do.
constexpr std::string_view kUsage =
    "Использование: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] [--samples]\n";

// The limits are exactly those the checks apply (model/inputrules), edges
// included; the tests read them back from this text.
constexpr std::string_view kHelp =
    "Использование: dryfriction-table [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] [--samples]\n"
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
    "  --version  вывести версию и дату выпуска\n"
    "\n"
    "Допустимые значения, границы включительно:\n"
    "  --m, --k, --mu  от 1e-6 до 1e6\n"
    "  --x0            от 0 до 1000 (задача симметрична: вместо -x0 задайте x0 и -v0)\n"
    "  --v0            от -1000 до 1000\n"
    "  --t             больше 0 и не больше 10000; t хранится с одинарной точностью,\n"
    "                  как в программе (около 7 значащих цифр)\n"
    "При x0 не больше 1 скорость v0 не может быть 0: груз в зоне застоя не сдвинется.\n"
    "\n"
    "Значение всегда следует за своим ключом, даже если начинается с \"-\" (--v0 -6).\n"
    "Десятичный разделитель чисел — точка при любых региональных настройках;\n"
    "выведенное число читается обратно в то же значение. Значение должно быть одним\n"
    "числом и ничем больше (\"9,5\", \"4O\" или \"0.5kg\" — ошибка).\n"
    "Значение, которое поля ввода программы исправили бы, здесь является ошибкой:\n"
    "сообщение выводится в поток ошибок.\n"
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
        err << "dryfriction-table: не удалось вывести результат\n";
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
            out << "dryfriction-table " << kRelease.version << '\n'
                << "Дата выпуска: " << releaseDateText(kRelease) << '\n';
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
            return usage(err, "неизвестный ключ " + std::string(args[i]));
        if (!hasValue) {
            // A value may start with "-" (--v0 -6), but what starts with "--"
            // is the next option: the value before it is missing.
            if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
                return usage(err, "нет значения после " + std::string(arg));
            value = args[++i];
        }
        if (!isWholeNumber(value))
            return usage(err, "значение " + std::string(arg) + " не число: \"" + std::string(value)
                                  + "\" (пишите его с точкой: 9.5 или 1e-3)");
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
