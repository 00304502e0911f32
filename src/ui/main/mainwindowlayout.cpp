// The main window's controls, menus and popup menus, and how they are wired to the commands.
#include "ui/main/mainwindow.h"

#include "core/settings/fileutils.h"
#include "core/settings/font.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/textdragobject.h"
#include "ui/main/thumbgrid.h"
#include "ui/main/toolbaricons.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

const char *const HandleColourProperty = "handleColour";

// A push button that shows its own caption but runs, and follows the enabled state of, a command.
QPushButton *commandButton(const QString &caption, QAction *action, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->toolTip());
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

// The main splitter's bar is drawn in one flat colour, set by colourSplitter.
class FlatSplitterHandle : public QSplitterHandle
{
public:
    using QSplitterHandle::QSplitterHandle;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor colour = splitter()->property(HandleColourProperty).value<QColor>();
        painter.fillRect(rect(), colour.isValid() ? colour : palette().color(QPalette::Window));
    }
};

class FlatSplitter : public QSplitter
{
public:
    using QSplitter::QSplitter;

protected:
    QSplitterHandle *createHandle() override { return new FlatSplitterHandle(orientation(), this); }
};

} // namespace

void TfmMain::createCommands()
{
    fCommands = std::make_unique<TMainCommands>(this);
}

void TfmMain::createLayout()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    PanelTop = new QWidget(central);
    PanelTop->setFixedHeight(31);
    auto *top = new QHBoxLayout(PanelTop);
    top->setContentsMargins(3, 3, 3, 3);
    top->setSpacing(4);
    btSelectFolder = new QToolButton(PanelTop);
    btSelectFolder->setText(QStringLiteral("Select Folder"));
    btSelectFolder->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btSelectFolder->setPopupMode(QToolButton::MenuButtonPopup);
    btSelectFolder->setFixedWidth(108);
    btSelectFolder->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    PopupMenuMRU = new QMenu(btSelectFolder);
    btSelectFolder->setMenu(PopupMenuMRU);
    top->addWidget(btSelectFolder);
    edFolder = new QLineEdit(PanelTop);
    edFolder->setReadOnly(true);
    edFolder->setFocusPolicy(Qt::ClickFocus);
    top->addWidget(edFolder, 1);
    layout->addWidget(PanelTop);

    ToolBar = new QToolBar(central);
    ToolBar->setFixedHeight(30);
    ToolBar->setIconSize(QSize(16, 16));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const struct
    {
        QAction *action;
        ToolBarIcon icon;
    } tools[] = {
        {fCommands->aAddNewKeyword, ToolBarIcon::AddKeyword},
        {fCommands->aReplaceKeyword, ToolBarIcon::ReplaceKeyword},
        {fCommands->aDeleteKeyWord, ToolBarIcon::DeleteKeyword},
        {nullptr, ToolBarIcon::AddKeyword},
        {fCommands->aCopyKeywords, ToolBarIcon::CopyKeywords},
        {fCommands->aPasteKeywords, ToolBarIcon::PasteKeywords},
        {nullptr, ToolBarIcon::AddKeyword},
        {fCommands->aOptions, ToolBarIcon::Options},
        {fCommands->aViewStatistics, ToolBarIcon::Statistics},
    };
    for (const auto &tool : tools) {
        if (!tool.action) {
            ToolBar->addSeparator();
            continue;
        }
        tool.action->setIcon(toolBarIcon(tool.icon));
        ToolBar->addAction(tool.action);
        if (QWidget *button = ToolBar->widgetForAction(tool.action)) {
            button->setFixedSize(30, 30);
            // The tool tip is the command's hint, not its menu caption with gestures.
            button->setToolTip(tool.action->toolTip());
        }
    }
    layout->addWidget(ToolBar);

    Splitter = new FlatSplitter(Qt::Horizontal, central);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setHandleWidth(5);
    Splitter->setChildrenCollapsible(false);

    PanelKeywords = new TKeywordPanel(Splitter);
    PanelKeywords->setMinimumWidth(20);
    Splitter->addWidget(PanelKeywords);

    PanelGrid = new QWidget(Splitter);
    PanelGrid->setMinimumWidth(20);
    auto *gridLayout = new QVBoxLayout(PanelGrid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    auto *filterStrip = new QHBoxLayout();
    filterStrip->setContentsMargins(3, 3, 3, 3);
    filterStrip->setSpacing(4);
    filterStrip->addWidget(commandButton(QStringLiteral("Filter"), fCommands->aFilterFiles, PanelGrid));
    filterStrip->addWidget(commandButton(QStringLiteral("Cascade Filter"), fCommands->aCascadeFilter, PanelGrid));
    filterStrip->addWidget(commandButton(QStringLiteral("Refresh Filter"), fCommands->aRefreshFilter, PanelGrid));
    filterStrip->addWidget(commandButton(QStringLiteral("Clear Filter"), fCommands->aClearFilter, PanelGrid));
    filterStrip->addStretch(1);
    filterStrip->addWidget(
        commandButton(QStringLiteral("Filter Only Selected"), fCommands->aFilterBySelected, PanelGrid));
    gridLayout->addLayout(filterStrip);
    DrawGrid = new TThumbGrid(PanelGrid);
    DrawGrid->setObjectName(QStringLiteral("DrawGrid"));
    gridLayout->addWidget(DrawGrid, 1);
    Splitter->addWidget(PanelGrid);
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({244, 784});
    layout->addWidget(Splitter, 1);

    setCentralWidget(central);

    for (int i = 0; i < 2; ++i) {
        fStatusPanels[i] = new QLabel(this);
        fStatusPanels[i]->setFixedWidth(150);
        statusBar()->addWidget(fStatusPanels[i]);
    }
}

void TfmMain::createMenus()
{
    TMainCommands &c = *fCommands;
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(c.aExit);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->addAction(c.aReplaceKeyword);
    edit->addSeparator();
    edit->addAction(c.aCopyKeywords);
    edit->addAction(c.aPasteKeywords);
    edit->addSeparator();
    edit->addAction(c.aDeleteKeyWord);
    edit->addAction(c.aDeleteAllKeyWords);
    edit->addSeparator();
    edit->addAction(c.aRepeatLastAdd);
    edit->addAction(c.aSelectKeywordsFromFile);

    QMenu *options = menuBar()->addMenu(QStringLiteral("Options"));
    options->addAction(c.aOptions);
    options->addAction(c.aStyle);

    QMenu *view = menuBar()->addMenu(QStringLiteral("View"));
    view->addAction(c.aSelectAll);
    view->addAction(c.aRefresh);
    view->addSeparator();
    view->addAction(c.aViewStatistics);

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(c.aAbout);
}

void TfmMain::createPopupMenus()
{
    TMainCommands &c = *fCommands;
    PopupMenuGrid = new QMenu(this);
    PopupMenuGrid->addAction(c.aCopyKeywords);
    PopupMenuGrid->addAction(c.aPasteKeywords);
    PopupMenuGrid->addSeparator();
    PopupMenuGrid->addAction(c.aSelectKeywordsFromFile);
    PopupMenuGrid->addSeparator();
    PopupMenuGrid->addAction(c.aDeleteKeyWord);
    PopupMenuGrid->addSeparator();
    PopupMenuGrid->addAction(c.aCopyFilePath);
    PopupMenuGrid->addAction(c.aOpenInDefaultJPGEditor);
    PopupMenuGrid->addAction(c.aShowFileInFolder);
    PopupMenuGrid->addAction(c.aDeleteFile);

    PopupMenuKeywords = new QMenu(this);
    PopupMenuKeywords->addAction(c.aAddNewKeyword);
    PopupMenuKeywords->addAction(c.aRemoveKeywordFromList);
    PopupMenuKeywords->addSeparator();
    PopupMenuKeywords->addAction(c.aCopyKeywords);
    PopupMenuKeywords->addAction(c.aPasteKeywords);
    PopupMenuKeywords->addSeparator();
    PopupMenuKeywords->addAction(c.aSaveKeywordsToFile);
    PopupMenuKeywords->addAction(c.aLoadKeywordsFromFile);
    PopupMenuKeywords->addAction(c.aAppendKeywordsFromFile);
    PopupMenuKeywords->addAction(c.aAppendKeywordsFromJpgFolder);
    PopupMenuKeywords->addSeparator();
    PopupMenuKeywords->addAction(c.aFilterBySelectedKeywords);
    PopupMenuKeywords->addAction(c.aRefreshKeywordsFromImages);

    PopupMenuRecent = new QMenu(this);
    PopupMenuRecent->addAction(c.aClearRecentList);

    PanelKeywords->PopupMenuFont->addAction(c.aResetFontToDefault);

    for (auto [list, menu] : {std::pair{PanelKeywords->ListBoxKeywords, PopupMenuKeywords},
                              std::pair{PanelKeywords->ListBoxRecent, PopupMenuRecent}}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        QMenu *popup = menu;
        QListWidget *owner = list;
        connect(list, &QWidget::customContextMenuRequested, this,
                [popup, owner](const QPoint &pos) { popup->exec(owner->viewport()->mapToGlobal(pos)); });
    }
}

void TfmMain::connectSignals()
{
    TMainCommands &c = *fCommands;
    connect(c.aRefresh, &QAction::triggered, this, [this] { OpenFolder(fCurrentFolderName, true); });
    connect(c.aExit, &QAction::triggered, this, &QWidget::close);
    connect(c.aSelectAll, &QAction::triggered, this, &TfmMain::selectAll);
    connect(c.aResetFontToDefault, &QAction::triggered, this, &TfmMain::resetKeywordListFont);
    connect(c.aClearRecentList, &QAction::triggered, PanelKeywords, &TKeywordPanel::clearRecentList);

    connect(btSelectFolder, &QToolButton::clicked, this, &TfmMain::selectFolder);
    connect(PopupMenuMRU, &QMenu::aboutToShow, this, &TfmMain::rebuildRecentFolderMenu);

    connect(PanelKeywords, &TKeywordPanel::filterTextChanged, this, &TfmMain::FillKeywordListBox);
    connect(PanelKeywords, &TKeywordPanel::fontButtonClicked, this, &TfmMain::changeKeywordListFont);
    for (TKeywordListBox *list : {PanelKeywords->ListBoxKeywords, PanelKeywords->ListBoxRecent}) {
        list->setSelectedPhotoCount([this] { return FileSet ? FileSet->SelectedCount() : 0; });
        connect(list, &TKeywordListBox::keywordDragFinished, DrawGrid, &TThumbGrid::refresh);
    }

    connect(DrawGrid, &TThumbGrid::viewRequested, this, &TfmMain::viewPhoto);
    connect(DrawGrid, &TThumbGrid::openInEditorRequested, this, &TfmMain::openInEditor);
    connect(DrawGrid, &TThumbGrid::deleteKeywordsRequested, c.aDeleteKeyWord, &QAction::trigger);
    connect(DrawGrid, &TThumbGrid::filterTextTyped, PanelKeywords, &TKeywordPanel::takeTypedFilterText);
    connect(DrawGrid, &TThumbGrid::contextMenuRequested, this, &TfmMain::showGridMenu);
    connect(DrawGrid, &TThumbGrid::keywordsDropped, this, &TfmMain::dropKeywords);
}

void TfmMain::colourSplitter()
{
    const QColor half = ColorToQColor(HalfColor(QColorToColor(palette().color(QPalette::Window))));
    if (Splitter->property(HandleColourProperty).value<QColor>() != half) {
        Splitter->setProperty(HandleColourProperty, half);
        Splitter->update();
        for (int i = 0; i < Splitter->count(); ++i) {
            Splitter->handle(i)->update();
        }
    }
}

} // namespace orvane
