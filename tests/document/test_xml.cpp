// XML access: paths, created elements, encodings and atomic saves.
#include "tests/support/TestRegistry.h"
#include "document/Cp1251.h"
#include "document/U_xml.h"
#include "tests/support/TestRunDir.h"
#include <QDir>
#include <QFile>
#include <qplatformdefs.h>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
QString FromCp1251(const QByteArray& bytes)
{
    return Cp1251::Decode(bytes);
}
} // namespace

class TestXml : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;
    QString Path(const QString& name) const { return tmp.filePath(name); }

private slots:
    void newDocumentHasDeclarationRootAndHead()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        QCOMPARE(doc.documentElement().tagName(), QStringLiteral("document"));
        const QDomElement head = doc.documentElement().firstChildElement();
        QCOMPARE(head.tagName(), QStringLiteral("head"));
        QStringList names;
        for (QDomElement e = head.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            names << e.tagName();
        QCOMPARE(names, (QStringList{"author", "creation_time", "creation_date"}));
        QCOMPARE(xml.ReadValue("head", "author"), QStringLiteral("obrant"));
        QVERIFY(!xml.ReadValue("head", "creation_time").contains(QStringLiteral("UTC")));
        QVERIFY(xml.SaveToFile(Path("new.xml")));
        QVERIFY(ReadAll(Path("new.xml")).startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"));
    }

    void writingBuildsElementsInTheOrderOfFirstWrite()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        QVERIFY(xml.WriteValue("settings", "value1", "5"));
        QVERIFY(xml.WriteValue("settings", "value2", "6"));
        QVERIFY(xml.WriteValue("settings", "value1", "7"));
        const QDomElement root = doc.documentElement();
        QCOMPARE(root.childNodes().count(), 2);
        const QDomElement settings = root.firstChildElement("head").nextSiblingElement();
        QCOMPARE(settings.tagName(), QStringLiteral("settings"));
        QCOMPARE(settings.childNodes().count(), 2);
        QCOMPARE(settings.firstChildElement().tagName(), QStringLiteral("value1"));
        QCOMPARE(settings.firstChildElement().text(), QStringLiteral("7"));
        QCOMPARE(settings.lastChildElement().tagName(), QStringLiteral("value2"));
        QVERIFY(xml.WriteValue("channels", "channel1", "RX", "33000000"));
        QCOMPARE(xml.ReadValue("channels", "channel1", "RX"), QStringLiteral("33000000"));
    }

    void readsOfMissingOrStructuredElementsAreEmpty()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        QCOMPARE(xml.ReadValue("nothing", "here"), QString());
        QCOMPARE(xml.ReadValue("document", "head"), QString());
        QCOMPARE(xml.ReadValue("head", "author", "deeper"), QString());
        QVERIFY(xml.WriteValue("a", "b", "c", "x"));
        QCOMPARE(xml.ReadValue("a", "b"), QString());   // holds an element, not text
    }

    void readingNeverCreatesElements()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        const QString before = doc.toString();
        xml.ReadValue("nothing", "here");
        xml.ReadValue("head", "author", "deeper");
        xml.ReadValue("head", "missing", "deeper");
        QVERIFY(xml.FindNode("nothing", "here").isNull());
        TXMLFile::NumberedTexts(xml.FindNode("head"), "item", 50);
        QCOMPARE(doc.toString(), before);
    }

    // Deep nesting would overflow the stack of the DOM; the program's files
    // nest four levels, anything beyond 256 is refused.
    void deepNestingIsRefusedBeforeTheDocumentIsBuilt()
    {
        const auto nested = [](int depth) {
            return "<r>" + QByteArray("<a>").repeated(depth - 1) + QByteArray("</a>").repeated(depth - 1) + "</r>";
        };
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(WriteAll(Path("deep.xml"), nested(256)));
        QVERIFY(xml.LoadFromFile(Path("deep.xml")));
        QVERIFY(WriteAll(Path("deeper.xml"), nested(257)));
        QVERIFY(!xml.LoadFromFile(Path("deeper.xml")));
        QVERIFY(!xml.Active());
        QCOMPARE(xml.LoadError(), QStringLiteral("вложенность элементов больше 256"));
    }

    void firstOfTwoSameNamedElementsCounts()
    {
        QVERIFY(WriteAll(Path("dup.xml"), "<r><a><b>1</b><b>2</b></a></r>"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(Path("dup.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("1"));
        QVERIFY(xml.WriteValue("a", "b", "3"));
        QCOMPARE(doc.documentElement().firstChildElement("a").lastChildElement("b").text(), QStringLiteral("2"));
    }

    void failedLoadLeavesTheDocumentInactive()
    {
        QVERIFY(WriteAll(Path("good.xml"), "<r><a><b>1</b></a></r>"));
        QVERIFY(WriteAll(Path("bad.xml"), "<r><a><b>1</a></r>"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(Path("good.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("1"));
        QVERIFY(!xml.LoadFromFile(Path("bad.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QString());
        QVERIFY(!xml.WriteValue("a", "b", "2"));
        QVERIFY(!xml.SaveToFile(Path("never.xml")));
        QVERIFY(!QFile::exists(Path("never.xml")));
        QVERIFY(xml.LoadFromFile(Path("good.xml")));
        QVERIFY(!xml.LoadFromFile(Path("missing.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QString());
    }

    void readsWindows1251AndUtf8ByTheirDeclaration()
    {
        QVERIFY(WriteAll(Path("cp.xml"), "<?xml version=\"1.0\" encoding=\"windows-1251\"?><r><a><b>\xcf\xf0\xe8\xe2\xe5\xf2</b></a></r>"));
        QVERIFY(WriteAll(Path("u8.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><a><b>\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82</b></a></r>"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(Path("cp.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("Привет"));
        QVERIFY(xml.LoadFromFile(Path("u8.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("Привет"));

        // An instruction whose name only begins with "xml" declares nothing:
        // the file is UTF-8, and stays so through a save (found by fuzzing:
        // it was read as windows-1251, saved as UTF-8 and read back garbled).
        QVERIFY(WriteAll(Path("pi.xml"), "<?xmlfoo encoding=\"windows-1251\"?><r><a><b>\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82</b></a></r>"));
        QVERIFY(xml.LoadFromFile(Path("pi.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("Привет"));
        QVERIFY(xml.SaveToFile(Path("pi.xml")));
        QVERIFY(xml.LoadFromFile(Path("pi.xml")));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("Привет"));
    }

    void charactersOutsideWindows1251BecomeCharacterReferences()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        const QString text = QStringLiteral("Канал \u00e9 \u4e2d \U0001F600 & <x>");
        QVERIFY(xml.WriteValue("s", "t", text));
        QVERIFY(xml.SaveToFile(Path("esc.xml")));
        const QByteArray bytes = ReadAll(Path("esc.xml"));
        QVERIFY(!bytes.mid(bytes.indexOf("?>") + 2).contains('?'));
        QVERIFY(bytes.contains("&#233;"));
        QVERIFY(bytes.contains("&#20013;"));
        QVERIFY(bytes.contains("&#128512;"));
        QVERIFY(FromCp1251(bytes).contains(QStringLiteral("Канал")));
        QDomDocument back;
        TXMLFile reader(&back);
        QVERIFY(reader.LoadFromFile(Path("esc.xml")));
        QCOMPARE(reader.ReadValue("s", "t"), text);
    }

    void saveIntoAMissingDirectoryFailsAndCreatesNothing()
    {
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        QVERIFY(!xml.SaveToFile(Path("no/such/dir/file.xml")));
        QVERIFY(!QFile::exists(Path("no")));
    }

    void failedSaveKeepsThePreviousFile()
    {
        QVERIFY(WriteAll(Path("keep.xml"), "<r><a><b>old</b></a></r>"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        // The target exists as a directory entry we cannot replace: make the
        // folder read-only so the temporary file cannot be created beside it.
        QTemporaryDir locked;
        const QString target = locked.filePath("keep.xml");
        QVERIFY(QFile::copy(Path("keep.xml"), target));
        QVERIFY(QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool saved = xml.SaveToFile(target);
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (saved)
            QSKIP("running with privileges that ignore directory permissions");
        QCOMPARE(ReadAll(target), QByteArray("<r><a><b>old</b></a></r>"));
    }

    void saveReplacesTheFileInOneStep()
    {
        // The new content is written beside the file and renamed over it, so
        // the old file is never truncated: an interrupted save keeps it.
        QVERIFY(WriteAll(Path("swap.xml"), "<r><a><b>old</b></a></r>"));
        QT_STATBUF before;
        QCOMPARE(QT_STAT(QFile::encodeName(Path("swap.xml")).constData(), &before), 0);
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(Path("swap.xml")));
        QVERIFY(xml.WriteValue("a", "b", "new"));
        QVERIFY(xml.SaveToFile(Path("swap.xml")));
        QT_STATBUF after;
        QCOMPARE(QT_STAT(QFile::encodeName(Path("swap.xml")).constData(), &after), 0);
#ifndef Q_OS_WIN   // Windows gives no inode numbers
        QVERIFY(before.st_ino != after.st_ino);
#endif
        QVERIFY(ReadAll(Path("swap.xml")).contains("<b>new</b>"));
        QCOMPARE(QDir(tmp.path()).entryList({"swap.xml*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void documentThatCannotBeEncodedIsNotWritten()
    {
        QVERIFY(WriteAll(Path("odd.xml"), "<?xml version=\"1.0\" encoding=\"windows-1251\"?><r><a><b>old</b></a></r>"));
        QDomDocument doc;
        doc.appendChild(doc.createProcessingInstruction("xml", "version=\"1.0\" encoding=\"x-no-such-encoding\""));
        doc.appendChild(doc.createElement("r"));
        TXMLFile xml(&doc);
        QVERIFY(xml.Active());
        QVERIFY(!xml.SaveToFile(Path("odd.xml")));
        QVERIFY(ReadAll(Path("odd.xml")).contains("<b>old</b>"));
    }

    void shippedCatalogueSurvivesLoadAndSaveByteForByte()
    {
        TestRunDir run;
        QVERIFY(run.IsValid());
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(run.SettingsFile()));
        QVERIFY(xml.SaveToFile(Path("again.xml")));
        QCOMPARE(ReadAll(Path("again.xml")), ShippedSettings());
    }
};

TARNIK_TEST_GUILESS_MAIN(TestXml)
#include "test_xml.moc"
