#include "VelGui/TextListDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace VelSystem {

const QString TextListDialog::kSettingsKey = QStringLiteral("text_list");

namespace {

QListWidgetItem* newEditableItem(const QString& text, QListWidget* list)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

} // namespace

TextListDialog::TextListDialog(QWidget* parent)
    : VelDialog(parent), mList(new QListWidget(this)), mRemoveButton(new QPushButton(tr("&Remove"), this))
{
    setWindowTitle(tr("Text List"));
    mList->setObjectName(QStringLiteral("listTexts"));
    mList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    const QStringList stored = QSettings().value(kSettingsKey).toStringList();
    for (const QString& text : stored)
        newEditableItem(text, mList);

    auto* addButton = new QPushButton(tr("&Add"), this);
    addButton->setObjectName(QStringLiteral("buttonAdd"));
    mRemoveButton->setObjectName(QStringLiteral("buttonRemove"));
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* side = new QVBoxLayout;
    side->addWidget(addButton);
    side->addWidget(mRemoveButton);
    side->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(mList);
    lists->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttonBox);

    connect(addButton, &QPushButton::clicked, this, &TextListDialog::addText);
    connect(mRemoveButton, &QPushButton::clicked, this, &TextListDialog::removeCurrentText);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &TextListDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &TextListDialog::reject);
    const auto updateRemove = [this] { mRemoveButton->setEnabled(mList->currentItem() != nullptr); };
    connect(mList, &QListWidget::currentItemChanged, this, updateRemove);
    updateRemove();
}

QStringList TextListDialog::texts() const
{
    QStringList result;
    for (int row = 0; row < mList->count(); ++row) {
        const QString text = mList->item(row)->text().trimmed();
        if (!text.isEmpty())
            result << text;
    }
    return result;
}

void TextListDialog::accept()
{
    QSettings().setValue(kSettingsKey, texts());
    VelDialog::accept();
}

void TextListDialog::addText()
{
    QListWidgetItem* item = newEditableItem(QString(), mList);
    mList->setCurrentItem(item);
    mList->editItem(item);
}

void TextListDialog::removeCurrentText()
{
    delete mList->currentItem();
}

} // namespace VelSystem
