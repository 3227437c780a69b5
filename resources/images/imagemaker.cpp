// imagemaker: draws the program's pictures from SVG at build time, as the
// table images.txt lists them.
//
//   imagemaker icons TABLE OUTPUT_DIR
//       every "icon" row as OUTPUT_DIR/NAME.png and NAME@2x.png, every "gif"
//       row as OUTPUT_DIR/NAME.gif and NAME@2x.gif
//   imagemaker catalogue TABLE EFFECTS_JSON SOUNDS_JSON OUTPUT_DIR
//       the pictures of the bundled catalogues (1x and @2x) under
//       OUTPUT_DIR/effect, group, audioGroup, audioIcon, guide1 and guide2,
//       each drawn from tile.svg with a glyph chosen by the item's name
//
// SVG paths in the table are relative to the table's folder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

// An icon's glyph is drawn with lines of this width in design pixels, whatever
// the icon's size; on larger tiles the lines grow with the glyph.
constexpr double kStrokeDesignPx = 1.5;
// The glyph sets are drawn on a 24-unit grid.
constexpr double kGlyphGrid = 24.0;

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "imagemaker: %s\n", qPrintable(message));
    std::exit(1);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void writePng(const QString& path, const QImage& image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

QString at2x(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// The table: rows of blank-separated fields, "#" comments, double quotes
// around a field that holds blanks.
using Row = QStringList;

std::vector<Row> readTable(const QString& path)
{
    std::vector<Row> rows;
    const QStringList lines = QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'));
    static const QRegularExpression field(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Row row;
        auto it = field.globalMatch(line);
        while (it.hasNext()) {
            const auto match = it.next();
            row.append(match.capturedRef(1).isNull() ? match.captured(2) : match.captured(1));
        }
        rows.push_back(row);
    }
    return rows;
}

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okW = false;
    bool okH = false;
    const int w = parts.value(0).toInt(&okW);
    const int h = parts.size() == 2 ? parts[1].toInt(&okH) : (okH = okW, w);
    if (!okW || !okH || w <= 0 || h <= 0 || parts.size() > 2)
        fail(QStringLiteral("bad size \"%1\"").arg(text));
    return {w, h};
}

QImage render(const QByteArray& svg, QSize size, const QString& what)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        fail(QStringLiteral("%1: not a valid SVG").arg(what));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    renderer.render(&painter);
    return image;
}

// A glyph SVG in a given colour, its lines kStrokeDesignPx wide at a design
// size of `designPx`.
QByteArray tintedGlyph(QByteArray svg, const QString& colour, double designPx)
{
    if (colour == QLatin1String("-"))
        return svg;
    svg.replace("currentColor", colour.toLatin1());
    const QByteArray width = QByteArray::number(kStrokeDesignPx * kGlyphGrid / designPx, 'g', 4);
    svg.replace("stroke-width=\"2\"", "stroke-width=\"" + width + "\"");
    return svg;
}

// What lies between a glyph SVG's root tags.
QByteArray glyphBody(const QByteArray& svg, const QString& what)
{
    const int open = svg.indexOf("<svg");
    const int begin = open < 0 ? -1 : svg.indexOf('>', open);
    const int end = svg.lastIndexOf("</svg>");
    if (begin < 0 || end < begin)
        fail(QStringLiteral("%1: no <svg> root").arg(what));
    return svg.mid(begin + 1, end - begin - 1);
}

// ---------------------------------------------------------------------------
// GIF89a: a global palette of up to 255 colours plus a transparent index 0,
// LZW-coded frames, looping for ever.

class BitWriter
{
public:
    void write(int code, int bits)
    {
        accumulator_ |= static_cast<uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<char>(accumulator_ & 0xFF));
            accumulator_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (count_ > 0)
            bytes_.push_back(static_cast<char>(accumulator_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    uint32_t accumulator_ = 0;
    int count_ = 0;
};

QByteArray lzw(const std::vector<uint8_t>& indices, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int last = end; // the highest code in use
    bool freshTable = true;
    std::unordered_map<uint32_t, int> table;
    BitWriter out;
    out.write(clear, codeSize);
    int prefix = indices.front();
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | indices[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.write(prefix, codeSize);
        freshTable = false;
        table.emplace(key, ++last);
        if (last >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (last == 4095) {
            out.write(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            last = end;
            freshTable = true;
        }
        prefix = indices[i];
    }
    out.write(prefix, codeSize);
    // The decoder adds a code for the one just read before it reads the end
    // code, and may widen its codes for that.
    if (!freshTable && last + 1 >= (1 << codeSize) && codeSize < 12)
        ++codeSize;
    out.write(end, codeSize);
    return out.finish();
}

// Median cut over the colours of all frames, weighted by how often they occur.
std::vector<QRgb> medianCutPalette(const std::vector<QImage>& frames, size_t maxColours)
{
    std::map<QRgb, int> counts;
    for (const QImage& frame : frames)
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                if (qAlpha(line[x]) == 255)
                    ++counts[line[x]];
        }
    std::vector<std::pair<QRgb, int>> colours(counts.begin(), counts.end());
    if (colours.size() <= maxColours) {
        std::vector<QRgb> palette;
        for (const auto& entry : colours)
            palette.push_back(entry.first);
        return palette;
    }
    auto channel = [](QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); };
    struct Box
    {
        size_t begin;
        size_t end;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < maxColours) {
        int bestBox = -1;
        int bestChannel = 0;
        int bestRange = 0;
        for (size_t b = 0; b < boxes.size(); ++b)
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255;
                int hi = 0;
                for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
                    lo = std::min(lo, channel(colours[i].first, ch));
                    hi = std::max(hi, channel(colours[i].first, ch));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    bestBox = static_cast<int>(b);
                    bestChannel = ch;
                }
            }
        if (bestBox < 0)
            break;
        Box& box = boxes[static_cast<size_t>(bestBox)];
        std::sort(colours.begin() + static_cast<long>(box.begin),
                  colours.begin() + static_cast<long>(box.end), [&](const auto& a, const auto& b) {
                      return channel(a.first, bestChannel) < channel(b.first, bestChannel);
                  });
        long total = 0;
        for (size_t i = box.begin; i < box.end; ++i)
            total += colours[i].second;
        long seen = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += colours[i].second;
            split = i + 1;
            if (2 * seen >= total)
                break;
        }
        const Box upper{split, box.end};
        box.end = split;
        boxes.push_back(upper);
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (size_t i = box.begin; i < box.end; ++i) {
            const double w = colours[i].second;
            r += w * qRed(colours[i].first);
            g += w * qGreen(colours[i].first);
            b += w * qBlue(colours[i].first);
            n += w;
        }
        palette.push_back(qRgb(qRound(r / n), qRound(g / n), qRound(b / n)));
    }
    return palette;
}

// GIF has one bit of transparency: a pixel of some cover is laid onto a dark
// matte that suits the program's panels; one of little cover is left out.
QImage flattenForGif(const QImage& frame)
{
    constexpr int kMatteR = 0x23, kMatteG = 0x23, kMatteB = 0x2A;
    constexpr int kLeastCover = 48;
    QImage out = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a < kLeastCover) {
                line[x] = 0;
                continue;
            }
            const int rest = 255 - a;
            line[x] = qRgb(qRed(p) + (kMatteR * rest + 127) / 255, qGreen(p) + (kMatteG * rest + 127) / 255,
                           qBlue(p) + (kMatteB * rest + 127) / 255);
        }
    }
    return out;
}

QByteArray encodeGif(const std::vector<QImage>& rgbaFrames, int delayMs)
{
    std::vector<QImage> frames;
    for (const QImage& frame : rgbaFrames)
        frames.push_back(flattenForGif(frame));
    const std::vector<QRgb> colours = medianCutPalette(frames, 255);
    std::vector<QRgb> palette(256, qRgb(0, 0, 0));
    std::copy(colours.begin(), colours.end(), palette.begin() + 1);

    const int w = frames.front().width();
    const int h = frames.front().height();
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(static_cast<char>(v & 0xFF));
        gif.append(static_cast<char>((v >> 8) & 0xFF));
    };
    word(w);
    word(h);
    gif.append(static_cast<char>(0xF7)); // global palette of 256 entries, 8 bits a channel
    gif.append('\0');                    // background: index 0
    gif.append('\0');                    // square pixels
    for (QRgb c : palette) {
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    word(0); // loop for ever
    gif.append('\0');

    std::unordered_map<QRgb, uint8_t> nearest;
    for (const QImage& frame : frames) {
        std::vector<uint8_t> indices;
        indices.reserve(static_cast<size_t>(w * h));
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb p = line[x];
                if (qAlpha(p) != 255) {
                    indices.push_back(0);
                    continue;
                }
                auto found = nearest.find(p);
                if (found == nearest.end()) {
                    int best = 1;
                    int bestDistance = std::numeric_limits<int>::max();
                    for (size_t i = 1; i <= colours.size(); ++i) {
                        const int dr = qRed(p) - qRed(palette[i]);
                        const int dg = qGreen(p) - qGreen(palette[i]);
                        const int db = qBlue(p) - qBlue(palette[i]);
                        const int distance = dr * dr + dg * dg + db * db;
                        if (distance < bestDistance) {
                            bestDistance = distance;
                            best = static_cast<int>(i);
                        }
                    }
                    found = nearest.emplace(p, static_cast<uint8_t>(best)).first;
                }
                indices.push_back(found->second);
            }
        }
        // Graphic control: clear to the background after the frame, index 0
        // transparent, the delay in hundredths of a second.
        gif.append("\x21\xF9\x04\x09", 4);
        word((delayMs + 5) / 10);
        gif.append('\0');
        gif.append('\0');
        gif.append('\x2C');
        word(0);
        word(0);
        word(w);
        word(h);
        gif.append('\0');
        constexpr int kMinCodeSize = 8;
        gif.append(static_cast<char>(kMinCodeSize));
        const QByteArray data = lzw(indices, kMinCodeSize);
        for (int at = 0; at < data.size(); at += 255) {
            const int n = std::min(255, static_cast<int>(data.size()) - at);
            gif.append(static_cast<char>(n));
            gif.append(data.constData() + at, n);
        }
        gif.append('\0');
    }
    gif.append('\x3B');
    return gif;
}

// ---------------------------------------------------------------------------

void makeIcons(const std::vector<Row>& table, const QDir& source, const QString& outputDir)
{
    for (const Row& row : table) {
        const QString kind = row.value(0);
        if (kind == QLatin1String("icon")) {
            if (row.size() != 5)
                fail(QStringLiteral("icon row needs NAME SIZE SVG COLOUR: %1").arg(row.join(' ')));
            const QSize size = parseSize(row[2]);
            const QByteArray svg =
                tintedGlyph(readFile(source.filePath(row[3])), row[4], std::min(size.width(), size.height()));
            const QString path = outputDir + QLatin1Char('/') + row[1] + QStringLiteral(".png");
            writePng(path, render(svg, size, row[3]));
            writePng(at2x(path), render(svg, size * 2, row[3]));
        } else if (kind == QLatin1String("gif")) {
            if (row.size() != 6)
                fail(QStringLiteral("gif row needs NAME SIZE SVG FRAMES DELAY_MS: %1").arg(row.join(' ')));
            const QSize size = parseSize(row[2]);
            const QByteArray svg = readFile(source.filePath(row[3]));
            const int frameCount = row[4].toInt();
            const int delayMs = row[5].toInt();
            if (frameCount < 2 || delayMs <= 0)
                fail(QStringLiteral("gif row: bad frame count or delay: %1").arg(row.join(' ')));
            const QString path = outputDir + QLatin1Char('/') + row[1] + QStringLiteral(".gif");
            for (int scale = 1; scale <= 2; ++scale) {
                const QImage still = render(svg, size * scale, row[3]);
                std::vector<QImage> frames;
                for (int f = 0; f < frameCount; ++f) {
                    QImage frame(still.size(), QImage::Format_ARGB32_Premultiplied);
                    frame.fill(Qt::transparent);
                    QPainter painter(&frame);
                    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
                    painter.translate(frame.width() / 2.0, frame.height() / 2.0);
                    painter.rotate(360.0 * f / frameCount);
                    painter.translate(-frame.width() / 2.0, -frame.height() / 2.0);
                    painter.drawImage(0, 0, still);
                    painter.end();
                    frames.push_back(frame);
                }
                writeFile(scale == 1 ? path : at2x(path), encodeGif(frames, delayMs));
            }
        }
    }
}

// Tile colours, top left to bottom right; a group takes the pair its id
// points at, so the two catalogues' groups differ from their neighbours.
struct Tint
{
    const char* from;
    const char* to;
};
constexpr Tint kTints[] = {
    {"#CD5EF0", "#6A32FF"}, // brand purple
    {"#FF6A88", "#C2366F"}, // rose
    {"#FFA24C", "#E0522F"}, // orange
    {"#36D1C4", "#2A73D9"}, // teal
    {"#6FA8FF", "#4C3FE0"}, // blue
    {"#4CD49A", "#1C8F8A"}, // green
    {"#F06CD0", "#9B3BE8"}, // magenta
    {"#F5C451", "#E07A2F"}, // gold
    {"#8C8CFF", "#4B2FC7"}, // indigo
};
constexpr int kTintCount = static_cast<int>(sizeof kTints / sizeof kTints[0]);

const Tint& tintFor(int index)
{
    return kTints[((index % kTintCount) + kTintCount) % kTintCount];
}

class Catalogue
{
public:
    Catalogue(const std::vector<Row>& table, const QDir& source, const QString& outputDir)
        : source_(source), outputDir_(outputDir)
    {
        template_ = QString::fromUtf8(readFile(source.filePath(QStringLiteral("tile.svg"))));
        for (const Row& row : table) {
            const QString kind = row.value(0);
            if (kind == QLatin1String("glyph") && row.size() == 3)
                glyphs_.insert(row[1].toLower(), row[2]);
            else if (kind == QLatin1String("picture") && row.size() == 3)
                sizes_.insert(row[1], parseSize(row[2]));
            else if (kind == QLatin1String("group") && row.size() == 3)
                extraGroups_.push_back({row[1].toInt(), row[2]});
            else if (kind == QLatin1String("guide") && row.size() == 5)
                guides_.push_back(row);
        }
        if (!glyphs_.contains(QStringLiteral("*")))
            fail(QStringLiteral("the table has no default glyph (glyph *)"));
    }

    void effects(const QJsonObject& catalogue)
    {
        const auto groups = groupsOf(catalogue);
        for (const auto& group : groups)
            groupIcons(QStringLiteral("group"), group.first, group.second);
        for (const QJsonValue& value : catalogue.value(QLatin1String("effects")).toArray()) {
            const QJsonObject effect = value.toObject();
            const int groupId = effect.value(QLatin1String("groupId")).toInt();
            tile(QStringLiteral("effect"), QString::number(effect.value(QLatin1String("id")).toInt()),
                 glyphFor(effect.value(QLatin1String("name")).toString(), groupName(groups, groupId)),
                 tintFor(groupId), true, QString());
        }
    }

    void sounds(const QJsonObject& catalogue)
    {
        const auto groups = groupsOf(catalogue);
        for (const auto& group : groups)
            groupIcons(QStringLiteral("audioGroup"), group.first, group.second);
        for (const QJsonValue& value : catalogue.value(QLatin1String("sounds")).toArray()) {
            const QJsonObject sound = value.toObject();
            const int groupId = sound.value(QLatin1String("groupId")).toInt();
            tile(QStringLiteral("audioIcon"), QString::number(sound.value(QLatin1String("id")).toInt()),
                 glyphFor(sound.value(QLatin1String("name")).toString(), groupName(groups, groupId)),
                 tintFor(groupId), true, QString());
        }
    }

    void guides()
    {
        for (const Row& row : guides_) {
            const int n = row[2].toInt();
            const int rowIndex = row[1] == QLatin1String("guide1") ? 0 : 1;
            tile(row[1], row[2], row[3], tintFor(2 * n + 3 * rowIndex), true, row[4]);
        }
    }

private:
    using Groups = std::vector<std::pair<int, QString>>;

    Groups groupsOf(const QJsonObject& catalogue) const
    {
        Groups groups;
        for (const QJsonValue& value : catalogue.value(QLatin1String("groups")).toArray()) {
            const QJsonObject group = value.toObject();
            groups.push_back(
                {group.value(QLatin1String("id")).toInt(), group.value(QLatin1String("name")).toString()});
        }
        groups.insert(groups.end(), extraGroups_.begin(), extraGroups_.end());
        return groups;
    }

    static QString groupName(const Groups& groups, int id)
    {
        for (const auto& group : groups)
            if (group.first == id)
                return group.second;
        return QString();
    }

    // The glyph of the whole name, else of its last word that has one (the
    // noun: "Old Radio" is a radio), else of the group, else the default.
    QString glyphFor(const QString& name, const QString& group) const
    {
        const QString key = name.toLower();
        if (glyphs_.contains(key))
            return glyphs_.value(key);
        const QStringList words =
            key.split(QRegularExpression(QStringLiteral("[\\s-]+")), Qt::SkipEmptyParts);
        for (auto it = words.crbegin(); it != words.crend(); ++it)
            if (glyphs_.contains(*it))
                return glyphs_.value(*it);
        return glyphs_.value(group.toLower(), glyphs_.value(QStringLiteral("*")));
    }

    // A group tab's icon: state 1 the plain grey glyph, state 2 the glyph in
    // white on the group's tile.
    void groupIcons(const QString& folder, int id, const QString& name)
    {
        const QString glyph = glyphFor(name, name);
        tile(folder, QStringLiteral("%1_1").arg(id), glyph, tintFor(id), false, QString());
        tile(folder, QStringLiteral("%1_2").arg(id), glyph, tintFor(id), true, QString());
    }

    void tile(const QString& folder, const QString& name, const QString& glyphPath, const Tint& tint,
              bool filled, const QString& caption)
    {
        if (!sizes_.contains(folder))
            fail(QStringLiteral("the table gives no picture size for %1").arg(folder));
        const QSize size = sizes_.value(folder);
        const double w = size.width();
        const double h = size.height();
        const double small = std::min(w, h);
        const bool captioned = !caption.isEmpty();
        // Glyph size: two thirds of a small icon, room for its tile's
        // corners; about half of a larger tile.
        const double glyphPx = small <= 32 ? 2.0 * small / 3.0 : captioned ? 0.40 * h : 0.50 * small;
        const double cx = w / 2.0;
        const double cy = captioned ? 0.40 * h : h / 2.0;
        const double glyphScale = glyphPx / kGlyphGrid;
        const double strokeUnits = (small <= 32 ? kStrokeDesignPx : 0.045 * glyphPx) / glyphScale;

        QHash<QString, QString> fields;
        fields.insert(QStringLiteral("W"), QString::number(w));
        fields.insert(QStringLiteral("H"), QString::number(h));
        fields.insert(QStringLiteral("R"),
                      QString::number(small <= 32 ? 0.25 * small : std::min(12.0, 0.2 * small)));
        fields.insert(QStringLiteral("FROM"), QString::fromLatin1(tint.from));
        fields.insert(QStringLiteral("TO"), QString::fromLatin1(tint.to));
        fields.insert(QStringLiteral("SHINE"), QString::number(std::max(w, h)));
        fields.insert(QStringLiteral("TILE"), filled ? QStringLiteral("1") : QStringLiteral("0"));
        fields.insert(QStringLiteral("CX"), QString::number(cx));
        fields.insert(QStringLiteral("CY"), QString::number(cy));
        fields.insert(QStringLiteral("DISC"), QString::number(small <= 32 ? 0 : 0.62 * glyphPx));
        fields.insert(QStringLiteral("GX"), QString::number(cx - glyphPx / 2.0));
        fields.insert(QStringLiteral("GY"), QString::number(cy - glyphPx / 2.0));
        fields.insert(QStringLiteral("SY"),
                      QString::number(cy - glyphPx / 2.0 + std::max(0.5, glyphPx / 40.0)));
        fields.insert(QStringLiteral("GS"), QString::number(glyphScale));
        fields.insert(QStringLiteral("SW"), QString::number(strokeUnits, 'g', 4));
        fields.insert(QStringLiteral("INK"), filled ? QStringLiteral("#FFFFFF") : QStringLiteral("#979797"));
        fields.insert(QStringLiteral("TY"), QString::number(0.84 * h));
        fields.insert(QStringLiteral("SHADOWTY"), QString::number(0.84 * h + 1));
        fields.insert(QStringLiteral("FONT"), QString::number(qRound(0.15 * h)));
        fields.insert(QStringLiteral("CAPTION"), caption.toHtmlEscaped());
        fields.insert(QStringLiteral("GLYPH"), QString::fromUtf8(glyphBody(glyph(glyphPath), glyphPath)));

        QString svg = template_;
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            svg.replace(QLatin1Char('@') + it.key() + QLatin1Char('@'), it.value());
        if (svg.contains(QRegularExpression(QStringLiteral("@[A-Z]+@"))))
            fail(QStringLiteral("tile.svg has a field imagemaker does not fill"));
        const QByteArray bytes = svg.toUtf8();
        const QString path =
            outputDir_ + QLatin1Char('/') + folder + QLatin1Char('/') + name + QStringLiteral(".png");
        writePng(path, render(bytes, size, path));
        writePng(at2x(path), render(bytes, size * 2, path));
    }

    const QByteArray& glyph(const QString& path)
    {
        auto found = glyphCache_.find(path);
        if (found == glyphCache_.end())
            found = glyphCache_.insert(path, readFile(source_.filePath(path)));
        return *found;
    }

    QDir source_;
    QString outputDir_;
    QString template_;
    QHash<QString, QString> glyphs_;
    QHash<QString, QSize> sizes_;
    Groups extraGroups_;
    std::vector<Row> guides_;
    QHash<QString, QByteArray> glyphCache_;
};

QJsonObject readJson(const QString& path)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(readFile(path), &error);
    if (!document.isObject())
        fail(QStringLiteral("%1: %2").arg(path, error.errorString()));
    return document.object();
}

int usage()
{
    std::fprintf(stderr, "usage: imagemaker icons TABLE OUTPUT_DIR\n"
                         "       imagemaker catalogue TABLE EFFECTS_JSON SOUNDS_JSON OUTPUT_DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // A build step never needs a display; fonts for the captions still need
    // a platform, so take the one that draws into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        // The build runs without a session; that is no news.
        if (!message.contains(QLatin1String("XDG_RUNTIME_DIR")))
            std::fprintf(stderr, "imagemaker: %s\n", qPrintable(message));
        if (type == QtFatalMsg)
            std::abort();
    });
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return usage();
    const std::vector<Row> table = readTable(args[1]);
    const QDir source = QFileInfo(args[1]).absoluteDir();
    if (args[0] == QLatin1String("icons") && args.size() == 3) {
        makeIcons(table, source, args[2]);
        return 0;
    }
    if (args[0] == QLatin1String("catalogue") && args.size() == 5) {
        Catalogue catalogue(table, source, args[4]);
        catalogue.effects(readJson(args[2]));
        catalogue.sounds(readJson(args[3]));
        catalogue.guides();
        return 0;
    }
    return usage();
}
