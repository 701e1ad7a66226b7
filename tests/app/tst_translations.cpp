// The English, French and Italian translations: every German source text of the
// translation sources has a finished translation, the compiled catalogue beside
// the program gives it, and the translation keeps what the program relies on
// (placeholders, blanks, punctuation, accelerators, key names).
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {
const QString kProgramDir = QStringLiteral(TSPX_PROGRAM_DIR);
const QString kSourceDir = QStringLiteral(TSPX_TS_DIR);

struct TsMessage
{
    QString context;
    QString source;
    QString translation; // of a count: the plural form
    QString translationType;
    QStringList numerusForms; // empty unless the text has a count
};

// Every message of one translation source, in file order.
QVector<TsMessage> readTsFile(const QString &path, QString *language)
{
    QVector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            *language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            message = TsMessage{context, xml.readElementText(), QString(), QString(), {}};
        } else if (name == QLatin1String("translation")) {
            message.translationType = xml.attributes().value(QStringLiteral("type")).toString();
            while (xml.readNext() == QXmlStreamReader::StartElement ||
                   xml.tokenType() == QXmlStreamReader::Characters) {
                if (xml.isCharacters())
                    message.translation += xml.text();
                else
                    message.numerusForms << xml.readElementText();
            }
            if (!message.numerusForms.isEmpty())
                message.translation = message.numerusForms.constLast();
            messages.append(message);
        }
    }
    return xml.hasError() ? QVector<TsMessage>() : messages;
}

QString tsPath(const QString &language)
{
    return kSourceDir + QStringLiteral("/tspx_") + language + QStringLiteral(".ts");
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

QString leadingBlanks(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*"));
    return leading.match(text).captured();
}

QString trailingBlanks(const QString &text)
{
    static const QRegularExpression trailing(QStringLiteral("\\s*$"));
    return trailing.match(text).captured();
}

// The character after each single ampersand ("&&" is a literal one).
QString acceleratorKeys(const QString &text)
{
    QString keys;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            keys += text.at(i + 1).toLower();
        ++i;
    }
    return keys;
}

// The last character when it ends a sentence or a caption.
QChar closingPunctuation(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QChar last = trimmed.isEmpty() ? QChar() : trimmed.back();
    return QStringLiteral(":.!?").contains(last) ? last : QChar();
}

const QStringList kShortcuts = {QStringLiteral("Ctrl+S"),       QStringLiteral("Ctrl+P"),
                                QStringLiteral("Ctrl+Q"),       QStringLiteral("Del"),
                                QStringLiteral("Shift+Del"),    QStringLiteral("Ctrl+E"),
                                QStringLiteral("Ctrl+Shift+E"), QStringLiteral("F1"),
                                QStringLiteral("Ctrl+0"),       QStringLiteral("Ctrl+R")};

// The menu bar and each menu of the main window form, by their German texts.
const QVector<QStringList> kMenus = {
    {QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Ansicht"),
     QStringLiteral("&Hilfe")},
    {QStringLiteral("Daten &übertragen"), QStringLiteral("Als PDF &speichern..."),
     QStringLiteral("S&eite einrichten..."), QStringLiteral("Druck&vorschau"),
     QStringLiteral("&Drucken..."), QStringLiteral("CSV-Dateien ins &Archiv importieren..."),
     QStringLiteral("&Beenden")},
    {QStringLiteral("Gewählte Messung &löschen"), QStringLiteral("&Alle Messungen löschen"),
     QStringLiteral("Gewählte Messung e&xportieren..."),
     QStringLiteral("Alle Messungen ex&portieren..."),
     QStringLiteral("Als Excel-&Datei exportieren..."), QStringLiteral("&Einstellungen...")},
    {QStringLiteral("&Gesamtansicht"), QStringLiteral("Als &Referenz festhalten"),
     QStringLiteral("&Nicht ausrichten"), QStringLiteral("Am &Start ausrichten"),
     QStringLiteral("Am &Maximum ausrichten")},
    {QStringLiteral("&Info...")}};

// Texts a translation may leave as they are: product names, key names and
// words that happen to be the same in the language.
bool mayKeepSource(const QString &source, const QString &language)
{
    static const QSet<QString> everywhere = {QStringLiteral("Velmora"),
                                             QStringLiteral("Tensimo® Parl\nTool"),
                                             QStringLiteral("Tensimo Parl - Tool"),
                                             QStringLiteral("Tensimo Parl - #%0"),
                                             QStringLiteral("0.0  build 20000101"),
                                             QStringLiteral("OK"),
                                             QStringLiteral("...")};
    static const QHash<QString, QStringList> inSomeLanguages = {
        {QStringLiteral("Info"), {QStringLiteral("en")}},
        {QStringLiteral("&Info..."), {QStringLiteral("en")}},
        {QStringLiteral("Plot 1"), {QStringLiteral("en")}},
        {QStringLiteral("Logo:"), {QStringLiteral("en"), QStringLiteral("it")}},
        {QStringLiteral("Minimum"), {QStringLiteral("en"), QStringLiteral("fr")}},
        {QStringLiteral("Maximum"), {QStringLiteral("en"), QStringLiteral("fr")}},
        {QStringLiteral("Name"), {QStringLiteral("en")}},
        {QStringLiteral("Name:"), {QStringLiteral("en")}},
        {QStringLiteral("in %"), {QStringLiteral("en"), QStringLiteral("it")}},
        {QStringLiteral("Version %1"), {QStringLiteral("en"), QStringLiteral("fr")}}};
    return everywhere.contains(source) || kShortcuts.contains(source) ||
           inSomeLanguages.value(source).contains(language);
}

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "fr", "it"})
        QTest::newRow(language) << QString::fromLatin1(language);
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesAreFinished_data() { addLanguageRows(); }
    void sourcesAreFinished();
    void catalogueGivesEveryText_data() { addLanguageRows(); }
    void catalogueGivesEveryText();
    void translationsKeepTheirForm_data() { addLanguageRows(); }
    void translationsKeepTheirForm();
    void shortcutsStayKeyNames_data() { addLanguageRows(); }
    void shortcutsStayKeyNames();
    void menuAcceleratorsAreUnique_data();
    void menuAcceleratorsAreUnique();
    void countsHaveTheirPluralForms_data();
    void countsHaveTheirPluralForms();
};

// Every context of the program is collected (also the texts marked with
// QT_TRANSLATE_NOOP and those looked up under a foreign context), nothing is
// left unfinished, obsolete or empty, and no German text is left untranslated.
void TestTranslations::sourcesAreFinished()
{
    QFETCH(QString, language);
    QString fileLanguage;
    const QVector<TsMessage> messages = readTsFile(tsPath(language), &fileLanguage);
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(language)));
    QCOMPARE(fileLanguage, language);

    QSet<QString> contexts;
    for (const TsMessage &message : messages) {
        contexts.insert(message.context);
        const QString where = message.context + QStringLiteral(": ") + message.source;
        QVERIFY2(message.translationType.isEmpty(), qPrintable(where));
        QVERIFY2(!message.translation.isEmpty(), qPrintable(where));
        if (!mayKeepSource(message.source, language))
            QVERIFY2(message.translation != message.source, qPrintable(where));
    }
    for (const char *context : {"Mainform", "MainForm", "QTranslator", "QObject", "SettingsDialog",
                                "InfoDialog", "SeriesStatistics", "StatisticsView"})
        QVERIFY2(contexts.contains(QString::fromLatin1(context)), context);
}

// The compiled catalogue beside the program is current: it gives every
// translation of the source file.
void TestTranslations::catalogueGivesEveryText()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(kProgramDir + QStringLiteral("/tspx_") + language));
    QString fileLanguage;
    const QVector<TsMessage> messages = readTsFile(tsPath(language), &fileLanguage);
    QVERIFY(!messages.isEmpty());
    for (const TsMessage &message : messages) {
        const QString translated = catalogue.translate(message.context.toUtf8().constData(),
                                                       message.source.toUtf8().constData(), nullptr,
                                                       message.numerusForms.isEmpty() ? -1 : 2);
        QVERIFY2(!translated.isEmpty(),
                 qPrintable(message.context + QStringLiteral(": ") + message.source));
        QCOMPARE(translated, message.translation);
    }
}

void TestTranslations::translationsKeepTheirForm()
{
    QFETCH(QString, language);
    QString fileLanguage;
    const QVector<TsMessage> messages = readTsFile(tsPath(language), &fileLanguage);
    QVERIFY(!messages.isEmpty());
    for (const TsMessage &message : messages) {
        const QString &source = message.source;
        const QString &translation = message.translation;
        const QByteArray where = (message.context + QStringLiteral(": ") + source).toUtf8();
        QVERIFY2(placeholders(translation) == placeholders(source), where.constData());
        QVERIFY2(leadingBlanks(translation) == leadingBlanks(source), where.constData());
        QVERIFY2(trailingBlanks(translation) == trailingBlanks(source), where.constData());
        QVERIFY2(closingPunctuation(translation) == closingPunctuation(source), where.constData());
        QVERIFY2(translation.trimmed().endsWith(QStringLiteral("...")) ==
                     source.trimmed().endsWith(QStringLiteral("...")),
                 where.constData());
        QVERIFY2(acceleratorKeys(translation).size() == acceleratorKeys(source).size(),
                 where.constData());
        QVERIFY2(translation.contains(QStringLiteral("Tensimo")) ==
                     source.contains(QStringLiteral("Tensimo")),
                 where.constData());
    }
}

void TestTranslations::shortcutsStayKeyNames()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(kProgramDir + QStringLiteral("/tspx_") + language));
    for (const QString &shortcut : kShortcuts)
        QCOMPARE(catalogue.translate("MainForm", shortcut.toUtf8().constData()), shortcut);
}

void TestTranslations::menuAcceleratorsAreUnique_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de (source)") << QString();
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("fr") << QStringLiteral("fr");
    QTest::newRow("it") << QStringLiteral("it");
}

void TestTranslations::menuAcceleratorsAreUnique()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    if (!language.isEmpty())
        QVERIFY(catalogue.load(kProgramDir + QStringLiteral("/tspx_") + language));
    for (const QStringList &menu : kMenus) {
        QSet<QChar> usedKeys;
        for (const QString &source : menu) {
            const QString text = language.isEmpty()
                                     ? source
                                     : catalogue.translate("MainForm", source.toUtf8().constData());
            QVERIFY2(!text.isEmpty(), qPrintable(source));
            const QString keys = acceleratorKeys(text);
            QVERIFY2(keys.size() == 1, qPrintable(text));
            QVERIFY2(keys.at(0).isLetterOrNumber(), qPrintable(text));
            QVERIFY2(!usedKeys.contains(keys.at(0)), qPrintable(text));
            usedKeys.insert(keys.at(0));
        }
    }
}

void TestTranslations::countsHaveTheirPluralForms_data()
{
    addLanguageRows();
    QTest::newRow("de") << QStringLiteral("de");
}

// Every text with a count (%n, or a list of slots) has all the language's
// forms filled, and the compiled catalogue tells one from several.
void TestTranslations::countsHaveTheirPluralForms()
{
    QFETCH(QString, language);
    QString fileLanguage;
    const QVector<TsMessage> messages = readTsFile(tsPath(language), &fileLanguage);
    QTranslator catalogue;
    QVERIFY(catalogue.load(kProgramDir + QStringLiteral("/tspx_") + language));
    int counts = 0;
    for (const TsMessage &message : messages) {
        const QByteArray where = (message.context + QStringLiteral(": ") + message.source).toUtf8();
        QVERIFY2(!message.source.contains(QStringLiteral("%n")) || !message.numerusForms.isEmpty(),
                 where.constData());
        if (message.numerusForms.isEmpty())
            continue;
        ++counts;
        QCOMPARE(message.numerusForms.size(), 2);
        for (const QString &form : message.numerusForms)
            QVERIFY2(!form.isEmpty(), where.constData());
    }
    QVERIFY(counts >= 10);
    const auto form = [&catalogue](int n) {
        return catalogue.translate("MainformArchive", "%n Messung(en)", nullptr, n);
    };
    QVERIFY2(!form(1).isEmpty() && form(1) != form(2), qPrintable(form(1)));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
