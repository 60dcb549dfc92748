#include "screens/GameChooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "game/GameFolders.h"
#include "parser/GameDefinition.h"
#include "screens/QtText.h"

namespace morvane {
namespace {

// The game's title and, since two installed copies may share it, its folder.
QString GameTitle(const std::filesystem::path& folder) {
    const QString name = QString::fromStdString(folder.filename().string());
    try {
        const GameDefinition definition = GameDefinition::load(folder);
        const std::string title =
            definition.title().empty() ? definition.gameName() : definition.title();
        if (!title.empty()) return qtText(title) + QStringLiteral(" (") + name + QStringLiteral(")");
    } catch (const GameFileError&) {
    }
    return name;
}

}  // namespace

std::optional<std::filesystem::path> ChooseGame(const std::vector<std::filesystem::path>& games) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Morvane"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QString::fromUtf8("Vyberte hru:"), &dialog));
    auto* list = new QListWidget(&dialog);
    for (const std::filesystem::path& folder : games) {
        auto* item = new QListWidgetItem(GameTitle(folder), list);
        item->setToolTip(QString::fromStdString(folder.string()));
    }
    const std::filesystem::path demo = DefaultGame(games);
    const auto first = std::find(games.begin(), games.end(), demo);
    list->setCurrentRow(first == games.end() ? 0 : static_cast<int>(first - games.begin()));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("Hrát"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Konec"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return games[static_cast<std::size_t>(list->currentRow())];
}

}  // namespace morvane
