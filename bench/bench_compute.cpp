// What one COMPUTE press costs, against the twelve setText calls that it
// cannot do without, in the same run; and the core alone per frequency.
#include "calc/compute_command.h"
#include "platform/locale_numbers.h"
#include "platform/program_start.h"
#include "qt/companion/companion_windows.h"
#include "qt/design/application.h"
#include "qt/design/error_reporter.h"
#include "qt/main/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct SilentReporter final : varnel::ErrorReporter
{
    void report(QWidget *, varnel::ErrorKind, const QString &) override { }
    void notify(QWidget *, varnel::ErrorKind, const QString &) override { }
};

// Median nanoseconds per call over batches, the two workloads interleaved.
std::pair<double, double> compare(const std::function<void()> &a, const std::function<void()> &b, int batches,
                                  int perBatch)
{
    std::vector<double> timesA, timesB;
    auto time = [perBatch](const std::function<void()> &work) {
        const auto start = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / perBatch;
    };
    for (int batch = 0; batch < batches; ++batch) {
        timesA.push_back(time(a));
        timesB.push_back(time(b));
    }
    std::sort(timesA.begin(), timesA.end());
    std::sort(timesB.begin(), timesB.end());
    return {timesA[timesA.size() / 2], timesB[timesB.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    varnel::setUpApplication(app);
    SilentReporter reporter;
    varnel::SystemProgramStarter starter; // never asked: nothing here opens the link
    varnel::CompanionWindows companions(reporter, starter);
    varnel::Form1 form(reporter, companions, varnel::localeDecimalSeparator);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    // Two frequencies in turn, so that every press changes every field; each
    // press ends with the window brought up to date, fields repainted, as on
    // screen. The baseline writes the same texts without computing them.
    const QString frequencies[2] = {QStringLiteral("137.5"), QStringLiteral("435")};
    QStringList shown[2];
    for (int which = 0; which < 2; ++which) {
        varnel::Module1 state;
        const varnel::ComputeTexts result = varnel::computeTexts(state, frequencies[which].toStdString(), ".");
        for (const std::string &text : result.texts)
            shown[which] << QString::fromStdString(text);
    }
    int press = 0;
    const auto [click, setTexts] = compare(
        [&] {
            form.controls().text3->setText(frequencies[++press % 2]);
            QTest::mouseClick(form.controls().command1, Qt::LeftButton);
            QCoreApplication::processEvents();
        },
        [&] {
            form.controls().text3->setText(frequencies[++press % 2]);
            for (std::size_t i = 0; i < varnel::kResultFieldCount; ++i) {
                QLineEdit *field = form.controls().results[i];
                field->setText(shown[press % 2][static_cast<qsizetype>(i)]);
                field->setCursorPosition(0);
            }
            QCoreApplication::processEvents();
        },
        31, 100);
    std::printf("COMPUTE click, input to twelve texts: %8.0f ns\n", click);
    std::printf("twelve setText calls alone:           %8.0f ns\n", setTexts);
    std::printf("ratio click / setText:                %8.3f\n", click / setTexts);

    const char *inputs[] = {"137.5", "435", "50", "14.2", "7.1", "-137.5", "0.1", "1e38"};
    std::size_t next = 0;
    const auto [core, parseOnly] = compare(
        [&] {
            varnel::Module1 fresh;
            const auto result = varnel::computeTexts(fresh, inputs[next++ % 8], ".");
            if (result.texts[0].empty())
                std::abort();
        },
        [&] {
            volatile auto f = std::strtof(inputs[next++ % 8], nullptr);
            (void)f;
        },
        31, 20000);
    std::printf("core, text in to twelve texts out:    %8.0f ns per frequency\n", core);
    std::printf("strtof alone, for scale:              %8.0f ns\n", parseOnly);
    return 0;
}
