// The translation files: each carries every text of en-us.ts, finished, with the
// placeholders and markup of its source; the compiled files embedded in the
// program load and translate.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const char* const kLanguages[] = {"en-us", "zh-cn", "zh-tw", "it-it", "de-de", "fr-fr", "es-es",
                                  "pt-pt", "ja-jp", "ru-ru", "id-id", "ko-kr", "vi-vn"};

struct Message
{
    QString context, source, comment, type;
    bool numerus = false;
    QStringList forms; // the translation, or each of its plural forms
    QString key() const
    {
        return context + QStringLiteral(": \"") + source + QLatin1Char('"') +
               (comment.isEmpty() ? QString() : QStringLiteral(" (") + comment + QLatin1Char(')'));
    }
};

struct TsFile
{
    QString language, error;
    QVector<Message> messages;
};

TsFile readTs(const QString& code)
{
    TsFile ts;
    QFile file(QStringLiteral(ZELVANI_TRANSLATIONS_SOURCE "/%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else {
                message.forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            ts.messages << message;
        } else if (name != QLatin1String("context")) {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

// What a translation must keep of its source: %1..%9 and %n (with or without
// L), and the names of its HTML tags, each as often.
QStringList markers(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("%L?([1-9n])|<\\s*(/?)\\s*([A-Za-z][A-Za-z0-9]*)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        found << (match.capturedLength(1) ? QLatin1Char('%') + match.captured(1)
                                          : QLatin1Char('<') + match.captured(2) +
                                                match.captured(3).toLower() + QLatin1Char('>'));
    }
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_english = readTs(QStringLiteral("en-us"));
        QVERIFY2(m_english.error.isEmpty(), qPrintable(m_english.error));
        QVERIFY(!m_english.messages.isEmpty());
    }

    void languages_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : kLanguages)
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    // The source file is complete and its compiled file translates as it says.
    void languages()
    {
        QFETCH(QString, code);
        const TsFile ts = readTs(code);
        QVERIFY2(ts.error.isEmpty(), qPrintable(code + QStringLiteral(".ts: ") + ts.error));
        QStringList failures;
        const auto fail = [&](const QString& what) { failures << code + QStringLiteral(".ts: ") + what; };

        // lrelease takes the plural rules from the language the file names.
        const QString locale = code.section(QLatin1Char('-'), 0, 0) + QLatin1Char('_') +
                               code.section(QLatin1Char('-'), 1).toUpper();
        if (ts.language != locale)
            fail(QStringLiteral("language is \"%1\", not \"%2\"").arg(ts.language, locale));

        QSet<QString> keys;
        for (const Message& message : ts.messages) {
            keys << message.key();
            if (!message.type.isEmpty())
                fail(message.key() + QStringLiteral(": ") + message.type);
            const QStringList expected = markers(message.source);
            for (const QString& form : message.forms) {
                if (form.trimmed().isEmpty())
                    fail(message.key() + QStringLiteral(": empty translation"));
                else if (markers(form) != expected)
                    fail(message.key() + QStringLiteral(": \"%1\" has %2, the source %3")
                                             .arg(form, markers(form).join(QLatin1Char(' ')),
                                                  expected.join(QLatin1Char(' '))));
            }
        }
        QSet<QString> english;
        for (const Message& message : m_english.messages) {
            english << message.key();
            if (!keys.contains(message.key()))
                fail(message.key() + QStringLiteral(": missing"));
        }
        for (const QString& key : keys - english)
            fail(key + QStringLiteral(": not in en-us.ts"));

        QTranslator translator;
        const QString qm = QStringLiteral(":/translations/%1.qm").arg(code);
        QVERIFY2(translator.load(qm), qPrintable(qm + QStringLiteral(" does not load")));
        bool translatesAny = false;
        for (const Message& message : ts.messages) {
            const QByteArray context = message.context.toUtf8(), source = message.source.toUtf8(),
                             comment = message.comment.toUtf8();
            const QString text = translator.translate(context.constData(), source.constData(),
                                                      comment.isEmpty() ? nullptr : comment.constData(),
                                                      message.numerus ? 1 : -1);
            if (text.isEmpty() || (!message.numerus && text != message.forms.value(0)))
                fail(message.key() + QStringLiteral(": %1 gives \"%2\"").arg(qm, text));
            translatesAny = translatesAny || text != message.source;
        }
        if (code != QLatin1String("en-us") && !translatesAny)
            fail(QStringLiteral("no text differs from English"));

        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

private:
    TsFile m_english;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
