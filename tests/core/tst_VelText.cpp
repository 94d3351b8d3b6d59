#include "VelCore/VelText.h"

#include "TestMain.h"
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

class tst_VelText : public QObject
{
    Q_OBJECT
private slots:
    void headingsAreBold()
    {
        const QString html = VelSystem::toHtml(
            {QStringLiteral("Left button:"), QStringLiteral("Selects a piece."),
             QStringLiteral("Alt + left button:"), QStringLiteral("Removes the point <if any>.")});
        QVERIFY(Qt::mightBeRichText(html));
        // What the information box shows: the texts in order, markup characters kept as text.
        QTextDocument document;
        document.setHtml(html);
        QCOMPARE(document.toPlainText(), QStringLiteral("Left button:\nSelects a piece.\nAlt + left button:\n"
                                                        "Removes the point <if any>."));
        QCOMPARE(document.blockCount(), 4);
        const auto weight = [](const QTextBlock& block) {
            return block.begin().fragment().charFormat().fontWeight();
        };
        QVERIFY(weight(document.firstBlock()) > QFont::Normal);
        QVERIFY(weight(document.firstBlock().next()) <= QFont::Normal);
        QVERIFY(weight(document.firstBlock().next().next()) > QFont::Normal);
    }
};

MARKER_TEST(tst_VelText)
#include "tst_VelText.moc"
