// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/unit1.h"

#include "album/password.h"
#include "editor/commands/qtdialogs.h"
#include "editor/commands/windowtitle.h"
#include "editor/translationcontexts.h"
#include "editor/window/capacitylabel.h"
#include "editor/window/thumbnaildelegate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

// The caption before the album's file name; the star marks unsaved changes.
QString captionPrefix(bool modified)
{
    //: The window's caption before the album's file name. The device's name stays as it is.
    return modified ? MainWindow::tr("Vemo ZidarUzura editor* - ") : MainWindow::tr("Vemo ZidarUzura editor - ");
}

// A button's caption as the design spaces it: two blanks before, and two
// after those that open no dialog.
QString buttonCaption(const QString &text, bool opensDialog)
{
    const QString blanks = QStringLiteral("  ");
    return blanks + text + (opensDialog ? QString() : blanks);
}

// On Linux desktops Enter presses the focused button, as Space does; a
// button outside a dialog takes only Space unless told.
class EnterPressesButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        button->animateClick();
        return true;
    }
};

QIcon buttonIcon(const QString &name, bool ownDisabledImage = false)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(name), QSize(16, 16), QIcon::Normal);
    if (ownDisabledImage)
        icon.addFile(QStringLiteral(":/icons/%1_disabled.png").arg(name), QSize(16, 16), QIcon::Disabled);
    return icon;
}

// A screen reader should meet the window as a frame, as it meets a main
// window, not as a plain widget's "filler". Qt's accessibility cache owns
// the interface.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("TForm1") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

QString FileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The icons are compiled into this static library; make sure they are registered.
static void registerIcons()
{
    Q_INIT_RESOURCE(resources);
}

QIcon ApplicationIcon()
{
    registerIcons();
    // Bitmaps rather than the scalable drawing: Qt reads SVG icons only
    // through an optional plugin, and without it the window would have none.
    // Qt decodes each one as it is added, before the first paint; the sizes a
    // title bar and a task bar use are enough, as launchers take the larger
    // ones from the installed icon theme.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
    return icon;
}

TForm1::TForm1(std::unique_ptr<DialogSeam> dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>(this))
{
    registerIcons();
    setObjectName(QStringLiteral("Form1"));
    m_meter = std::make_unique<CapacityMeter>(m_album);
    // What a screen reader says of an entry beside its label, as its tooltip says it.
    m_album.setEntryNote([this](int index) {
        const QString leftOut = m_meter->leftOutReason(index);
        return leftOut.isEmpty() ? m_meter->renderingNote(index) : leftOut;
    });
    QAccessible::installFactory(windowAccessible);
    buildLayout();
    connectSignals();
    //: The window's caption before anything is shown. The device's name stays as it is.
    setWindowTitle(MainWindow::tr("Vemo ZidarUzura editor"));
    // The program sets the icon for all its windows before this one exists;
    // reading the pictures again would only delay the first paint.
    if (QApplication::windowIcon().isNull())
        setWindowIcon(ApplicationIcon());
}

TForm1::~TForm1() = default;

void TForm1::buildLayout()
{
    setFixedSize(378, 410);
    // A sans-serif at 8 point with narrow, Arial-like metrics, so every caption
    // fits the fixed control sizes.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    setFont(font);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    ListBox1 = new QListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(7, 8, 194, 394);
    ListBox1->setModel(&m_album);
    m_selection = new AlbumSelection(m_album, ListBox1);
    ListBox1->setSelectionModel(m_selection);
    ListBox1->setItemDelegate(new ThumbnailDelegate(*m_meter, ListBox1));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setDragEnabled(false);
    ListBox1->setAccessibleName(MainWindow::tr("Album images"));
    ListBox1->setAcceptDrops(false);

    auto *enterPresses = new EnterPressesButton(this);
    const auto makeButton = [this, enterPresses](QPushButton *&button, const char *name, int top,
                                                 const QString &caption, const QIcon &icon) {
        button = new QPushButton(icon, caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(210, top, 160, 23);
        button->setIconSize(QSize(16, 16));
        button->setAutoDefault(false);
        button->installEventFilter(enterPresses);
    };
    // Created in tab order.
    makeButton(Button6, "Button6", 8, buttonCaption(MainWindow::tr("Load Album..."), true),
               buttonIcon(QStringLiteral("load")));
    makeButton(Button7, "Button7", 38, buttonCaption(MainWindow::tr("Save Album"), false),
               buttonIcon(QStringLiteral("save")));
    makeButton(Button9, "Button9", 63, buttonCaption(MainWindow::tr("Save Album As..."), true),
               buttonIcon(QStringLiteral("saveas")));
    makeButton(Button10, "Button10", 220, buttonCaption(MainWindow::tr("Add Image..."), true),
               buttonIcon(QStringLiteral("add")));
    makeButton(Button4, "Button4", 245, buttonCaption(MainWindow::tr("Insert Image..."), true),
               buttonIcon(QStringLiteral("insert")));
    makeButton(Button11, "Button11", 270, buttonCaption(MainWindow::tr("Append Album..."), true),
               buttonIcon(QStringLiteral("append")));
    makeButton(Button5, "Button5", 295, buttonCaption(MainWindow::tr("Delete Image"), false),
               buttonIcon(QStringLiteral("delete"), true));
    makeButton(Button2, "Button2", 325, buttonCaption(MainWindow::tr("Move Up"), false),
               buttonIcon(QStringLiteral("moveup"), true));
    makeButton(Button3, "Button3", 350, buttonCaption(MainWindow::tr("Move Down"), false),
               buttonIcon(QStringLiteral("movedown"), true));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(299, 141, 68, 21);
    Edit1->setMaxLength(8);

    Label3 = new QLabel(MainWindow::tr("Album password:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(214, 144, 80, 13);
    // Fonts here run a little wider than the ones the layout was drawn for;
    // tighten this one caption rather than clip its colon.
    QFont tighter = font;
    tighter.setLetterSpacing(QFont::PercentageSpacing, 94);
    Label3->setFont(tighter);
    // The field is read out by its caption.
    Label3->setBuddy(Edit1);

    Label1 = new QLabel(MainWindow::tr("ver. 1.00"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(211, 379, 125, 13);
    Label1->setEnabled(false);
    // The second line tells how full the album is; it may use the free width
    // up to the buttons' right edge.
    Label2 = new CapacityLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(211, 391, 159, 13);
    for (QLabel *label : std::initializer_list<QLabel *>{Label1, Label2, Label3})
        label->setAttribute(Qt::WA_TranslucentBackground);

    QWidget *tabOrder[] = {ListBox1, Button6, Button7, Button9, Button10, Button4,
                           Button11, Button5, Button2, Button3, Edit1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    for (QWidget *control : tabOrder)
        control->setFocusPolicy(Qt::StrongFocus);
    ListBox1->setFocus();
}

void TForm1::connectSignals()
{
    m_albumCommands = std::make_unique<AlbumCommands>(m_album, *m_meter, *m_dialogs);
    m_imageCommands = std::make_unique<ImageCommands>(m_album, *m_selection, *m_dialogs);
    connect(m_meter.get(), &CapacityMeter::changed, this, &TForm1::showCapacity);
    showCapacity();
    connect(&m_album, &Album::stateRefreshed, this, &TForm1::showState);
    // A new album starts at its first image, not where the last one was scrolled to.
    connect(&m_album, &QAbstractItemModel::modelReset, ListBox1, &QListView::scrollToTop);

    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

    connect(m_selection, &QItemSelectionModel::selectionChanged, this, &TForm1::ListBox1Click);

    // The field and the album's password text mirror each other; the change
    // handler runs once per real change, whichever side it came from.
    connect(Edit1, &QLineEdit::textChanged, &m_album, &Album::setPasswordText);
    connect(&m_album, &Album::passwordTextChanged, this, [this](const QString &text) {
        if (Edit1->text() != text)
            Edit1->setText(text);
        Edit1Change();
    });
}

void TForm1::showCapacity()
{
    Label2->setSummary(m_meter->summary());
    Label2->setToolTip(m_meter->details());
    Label2->setWarning(m_meter->warns());
    // The entries the meter leaves out are marked in the list.
    ListBox1->viewport()->update();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    // Digits only, at most eight; the validator also refuses pasted text that is not.
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QLatin1String(PasswordPattern)), Edit1));
    m_album.setCurrentPath(QString());
    m_album.setTitle(windowTitle());
    RefreshState(false);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_album.modified() && !m_albumCommands->confirmDiscard()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TForm1::RefreshState(bool modified)
{
    m_album.setModified(modified);
}

void TForm1::showState(bool modified)
{
    const bool hasImages = m_album.count() > 0;
    Button5->setEnabled(hasImages && selectedIndex() >= 0);
    Button7->setEnabled(hasImages && modified);
    Button9->setEnabled(hasImages);
    m_album.setTitle(captionPrefix(modified) + FileNamePart(m_album.currentPath()));
    setWindowTitle(LiteralWindowTitle(m_album.title()));
    ListBox1Click();
}

void TForm1::ListBox1Click()
{
    const int selected = selectedIndex();
    const int count = m_album.count();
    Button5->setEnabled(count > 0 && selected >= 0);
    Button2->setEnabled(selected > 0);
    Button3->setEnabled(selected >= 0 && selected < count - 1);
}

void TForm1::Edit1Change()
{
    RefreshState(true);
}
