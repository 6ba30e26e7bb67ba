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
#include <QUuid>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

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

// Replaces a stamp of `length` bytes at `at` with `stamp`, and the zone
// after it with UTC in the room the zone took: "Z" stays, "+01'00'" becomes
// "+00'00'" and "+01:00" "+00:00".
void restamp(QByteArray &pdf, qsizetype at, const std::string &stamp, char closing)
{
    pdf.replace(at, qsizetype(stamp.size()), QByteArray::fromStdString(stamp));
    const qsizetype zone = at + qsizetype(stamp.size());
    const qsizetype end = pdf.indexOf(closing, zone);
    if (end - zone == 7)
        pdf.replace(zone, 7, "+00'00'");
    else if (end - zone == 6)
        pdf.replace(zone, 6, "+00:00");
}

// Qt stamps the document with the moment it is written, in the local zone:
// in its information dictionary (CreationDate, and from Qt 6.8 ModDate)
// and, from 6.8, in the XMP metadata too. Each stamp gets the fixed moment
// instead, in UTC, in the same number of bytes, so that the
// cross-reference table and the stream lengths stay true.
void fixDates(QByteArray &pdf, long long secondsSinceEpoch)
{
    const std::string digits = pdfDateDigits(secondsSinceEpoch); // 20251209000000
    for (const char *key : {"/CreationDate (D:", "/ModDate (D:"}) {
        const qsizetype at = pdf.indexOf(key);
        if (at >= 0)
            restamp(pdf, at + qsizetype(std::strlen(key)), digits, ')');
    }
    // 2025-12-09T00:00:00
    const std::string iso = digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2) + "T"
        + digits.substr(8, 2) + ":" + digits.substr(10, 2) + ":" + digits.substr(12, 2);
    for (const char *name : {"CreateDate", "ModifyDate", "MetadataDate"}) {
        for (const auto &[opening, closing] : {std::pair {std::string("xmp:") + name + "=\"", '"'},
                                               std::pair {std::string("<xmp:") + name + ">", '<'}}) {
            for (qsizetype at = pdf.indexOf(opening); at >= 0; at = pdf.indexOf(opening, at + 1))
                restamp(pdf, at + qsizetype(opening.size()), iso, closing);
        }
    }
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Qt 6.8 names every document anew; the same sheet keeps its name.
        pdf.setDocumentId(QUuid::createUuidV5(QUuid(QStringLiteral("{5f3c1d2e-8b7a-4e21-9c0d-6a1b2c3d4e5f}")),
                                              q(sheetTitle(data) + " " + data.date + " " + data.version + " "
                                                + (data.page == Paper::Letter ? "Letter" : "A4"))));
#endif
        const PageSize page = pageMillimetres(data.page);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter p(&pdf);
        paintSheet(p, data, kPdfDotsPerInch / 25.4, SheetPages::WithTemplate, [&] { pdf.newPage(); });
    }
    if (epoch)
        fixDates(bytes, *epoch);
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
