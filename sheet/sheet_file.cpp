#include "sheet/sheet_file.h"

#include "platform/whole_file.h"
#include "sheet/sheet_painter.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

namespace varnel {

namespace {

constexpr int kPdfDotsPerInch = 1200;
constexpr int kSvgDotsPerInch = 96;
constexpr long long kLastSecondOf9999 = 253402300799; // a PDF date has four digits for the year

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

QSize pagePixels(const SheetData &data, int dotsPerInch)
{
    const PageSize page = pageMillimetres(data.page);
    return {qRound(page.width / 25.4 * dotsPerInch), qRound(page.height / 25.4 * dotsPerInch)};
}

// "20261209154723": the UTC time in a PDF date's digits.
std::string pdfDateDigits(long long secondsSinceEpoch)
{
    using namespace std::chrono;
    const sys_seconds instant {seconds(secondsSinceEpoch)};
    const sys_days day = floor<days>(instant);
    const year_month_day date {day};
    const hh_mm_ss time {instant - day};
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02u%02u%02lld%02lld%02lld", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), static_cast<long long>(time.hours().count()),
                  static_cast<long long>(time.minutes().count()), static_cast<long long>(time.seconds().count()));
    return digits;
}

// Qt stamps the document with the time it was written: the moment, in the
// local zone. Put in the fixed moment instead, in UTC, written in the same
// number of bytes so that the cross-reference table stays true.
void fixCreationDate(QByteArray &pdf, long long secondsSinceEpoch)
{
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    if (at < 0)
        return;
    const qsizetype digits = at + key.size();
    const qsizetype close = pdf.indexOf(')', digits);
    if (close < digits + 14)
        return;
    const std::string stamp = pdfDateDigits(secondsSinceEpoch);
    pdf.replace(digits, 14, QByteArray::fromStdString(stamp));
    // The zone: "Z", or "+01'00'"; UTC is "+00'00'" in the latter's room.
    const qsizetype zone = digits + 14;
    if (close - zone == 7)
        pdf.replace(zone, 7, "+00'00'");
}

QByteArray pdfBytes(const SheetData &data, std::optional<long long> epoch)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setCreator(QStringLiteral("varnel-sheet ") + q(data.version));
        pdf.setTitle(q(sheetTitle(data)));
        const PageSize page = pageMillimetres(data.page);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter p(&pdf);
        paintSheet(p, data, kPdfDotsPerInch / 25.4, SheetPages::WithTemplate, [&] { pdf.newPage(); });
    }
    if (epoch)
        fixCreationDate(bytes, *epoch);
    return bytes;
}

QByteArray svgBytes(const SheetData &data)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int pages = sheetPageCount(data, SheetPages::SheetOnly);
    const QSize page = pagePixels(data, kSvgDotsPerInch);
    const QSize size(page.width(), page.height() * pages);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kSvgDotsPerInch);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(q(sheetTitle(data)));
    QPainter p(&svg);
    paintSheet(p, data, kSvgDotsPerInch / 25.4, SheetPages::SheetOnly, [&] { p.translate(0, page.height()); });
    p.end();
    return bytes;
}

QByteArray pngBytes(const SheetData &data)
{
    const int pages = sheetPageCount(data, SheetPages::SheetOnly);
    QImage image = sheetCanvas(data, pages);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const int pageHeight = image.height() / pages;
        paintSheet(p, data, kPngDotsPerInch / 25.4, SheetPages::SheetOnly, [&] { p.translate(0, pageHeight); });
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

std::optional<SheetFormat> sheetFormatFor(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    std::string suffix = name.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (suffix == "pdf")
        return SheetFormat::Pdf;
    if (suffix == "svg")
        return SheetFormat::Svg;
    if (suffix == "png")
        return SheetFormat::Png;
    return std::nullopt;
}

Paper paperForLocale()
{
    if (const std::optional<Paper> paper = localePaper())
        return *paper;
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

std::optional<long long> sourceDateEpoch(const std::string &value)
{
    if (value.empty() || value.size() > 12)
        return std::nullopt;
    long long seconds = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds > kLastSecondOf9999)
        return std::nullopt;
    return seconds;
}

std::string isoDate(long long secondsSinceEpoch)
{
    const std::string digits = pdfDateDigits(secondsSinceEpoch);
    return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2);
}

QImage sheetCanvas(const SheetData &data, int pages)
{
    const QSize page = pagePixels(data, kPngDotsPerInch);
    QImage image(page.width(), page.height() * pages, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(kPngDotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(kPngDotsPerInch / 0.0254));
    return image;
}

std::string sheetBytes(SheetFormat format, const SheetData &data, std::optional<long long> epoch)
{
    switch (format) {
    case SheetFormat::Pdf:
        return pdfBytes(data, epoch).toStdString();
    case SheetFormat::Svg:
        return svgBytes(data).toStdString();
    case SheetFormat::Png:
        return pngBytes(data).toStdString();
    }
    return {};
}

std::string writeSheet(const std::string &path, const SheetData &data, std::optional<long long> epoch)
{
    const std::optional<SheetFormat> format = sheetFormatFor(path);
    if (!format)
        return path + ": the file's suffix must be .pdf, .svg or .png";
    const std::string bytes = sheetBytes(*format, data, epoch);
    if (bytes.empty())
        return path + ": the sheet could not be drawn";
    if (const std::string reason = writeWholeFile(path, bytes); !reason.empty())
        return path + ": " + reason;
    return {};
}

} // namespace varnel
