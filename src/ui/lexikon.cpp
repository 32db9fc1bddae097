#include "ui/lexikon.h"

#include "list/clipboard.h"
#include "list/entrylist.h"
#include "shell/platform.h"
#include "store/entrytable.h"
#include "ui/anchors.h"
#include "ui/splitter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>
#include <QTimer>

namespace {

class Lexikon* instance = nullptr;

constexpr QSize kDesignSize(650, 600);

QFont fontOfSize(int size, bool bold = false)
{
    // Sizes are those of the design's coordinate system, where a point is a pixel.
    QFont f = QApplication::font();
    f.setPixelSize(size);
    f.setBold(bold);
    return f;
}

template <class W>
W* named(W* widget, const char* name, int fontSize = 0)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (fontSize > 0)
        widget->setFont(fontOfSize(fontSize));
    return widget;
}

QFrame* separatorLine(QWidget* parent, const char* name)
{
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

class Lexikon& Lexikon()
{
    if (!instance) {
        instance = new class Lexikon;
        instance->show();
        instance->Event_Open();
    }
    return *instance;
}

bool lexikonExists()
{
    return instance != nullptr;
}

static void initResources()
{
    // The pictures live in the library, which is linked statically.
    Q_INIT_RESOURCE(vokabo);
}

Lexikon::Lexikon()
{
    initResources();
    instance = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Lexikon"));

    // The menu bar comes first; its items are attached by the application.
    MenuBar1 = menuBar();
    MenuBar1->setObjectName(QStringLiteral("MenuBar1"));
    FileMenu = named(MenuBar1->addMenu(QStringLiteral("&File")), "FileMenu");
    EditMenu = named(MenuBar1->addMenu(QStringLiteral("&Edit")), "EditMenu");

    setWindowTitle(QStringLiteral("Sippenkompass - Lexikon"));
    setWindowIcon(QIcon(QStringLiteral(":/SK128.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);

    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    setCentralWidget(content);
    m_anchors = new Anchors(content, kDesignSize);

    createControls();

    const int menuHeight = MenuBar1->sizeHint().height();
    setMinimumSize(550, 64 + menuHeight);
    setMaximumSize(32000, 32000);
    resize(kDesignSize.width(), kDesignSize.height() + menuHeight);

    runControlOpenHandlers();
}

Lexikon::~Lexikon()
{
    if (instance == this)
        instance = nullptr;
}

void Lexikon::createControls()
{
    QWidget* c = centralWidget();
    Anchors& a = *m_anchors;
    const int LB = AnchorLeft | AnchorBottom;
    const int RB = AnchorRight | AnchorBottom;

    neu = named(new QPushButton(QStringLiteral("Neue Zeile"), c), "neu", 12);
    a.add(neu, {20, 511, 100, 20}, LB);

    loeschen = named(new QPushButton(QStringLiteral("Zeile löschen"), c), "loeschen", 12);
    a.add(loeschen, {137, 511, 105, 20}, LB);

    sichern = named(new QPushButton(QStringLiteral("Lexikon sichern"), c), "sichern", 12);
    a.add(sichern, {510, 511, 120, 20}, RB);
    connect(sichern, &QPushButton::clicked, this, [this] { sichern_Action(); });

    EditField1 = named(new QLineEdit(c), "EditField1", 13);
    a.add(EditField1, {262, 20, 275, 22}, AnchorLeft | AnchorTop | AnchorRight);
    connect(EditField1, &QLineEdit::textChanged, this, [this] { EditField1_TextChange(); });
    EditField1->installEventFilter(this);

    PushButton1 = named(new QPushButton(QStringLiteral("Lexikon laden"), c), "PushButton1", 12);
    a.add(PushButton1, {358, 511, 135, 20}, RB);
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Action(); });

    Canvas1 = named(new SplitterHandle(this, c), "Canvas1");
    a.add(Canvas1, {238, 341, 175, 21}, AnchorLeft | AnchorRight | AnchorBottom);
    // The grip lines lie inside the handle and move with it.
    SepLine = new Sep(0, Canvas1);
    SepLine->setObjectName(QStringLiteral("Sep"));
    SepLine->setGeometry(244 - 238, 349 - 341, 63, 4);
    Separator1 = separatorLine(Canvas1, "Separator1");
    Separator1->setGeometry(244 - 238, 352 - 341, 63, 4);
    Separator2 = separatorLine(Canvas1, "Separator2");
    Separator2->setGeometry(244 - 238, 346 - 341, 63, 4);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Action(); });
    Timer1->start();

    m_entries = new EntryTable(this);
    ListBox1 = named(new EntryListView(this, c), "ListBox1", 13);
    ListBox1->setModel(m_entries);
    ListBox1->setItemDelegate(new EntryDelegate(this, ListBox1));
    a.add(ListBox1, {20, 80, 610, 254}, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { ListBox1_Change(); });
    connect(ListBox1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { ListBox1_HeaderPressed(column); });

    Label2 = named(new QLabel(QStringLiteral("0"), c), "Label2", 10);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    a.add(Label2, {20, 341, 100, 15}, LB);

    EditField2 = named(new QTextEdit(c), "EditField2", 12);
    EditField2->setAcceptRichText(false);
    EditField2->setTabChangesFocus(true);
    EditField2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditField2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    a.add(EditField2, {20, 374, 610, 119}, AnchorLeft | AnchorRight | AnchorBottom);
    EditField2->installEventFilter(this);

    Label3 = named(new QLabel(c), "Label3");
    Label3->setFont(fontOfSize(13, true));
    a.add(Label3, {25, 352, 605, 22}, AnchorLeft | AnchorRight | AnchorBottom);

    SuchenButton = named(new QPushButton(QStringLiteral("Suchen"), c), "SuchenButton", 12);
    SuchenButton->setDefault(true);
    a.add(SuchenButton, {549, 20, 80, 22}, AnchorTop | AnchorRight);
    connect(SuchenButton, &QPushButton::clicked, this, [this] { SuchenButton_Action(); });

    Canvas2 = named(new QLabel(c), "Canvas2");
    Canvas2->setPixmap(QPixmap(QStringLiteral(":/Vokabo.png")));
    Canvas2->setFocusPolicy(Qt::NoFocus);
    a.add(Canvas2, {20, 20, 230, 48}, AnchorLeft | AnchorTop);

    StaticText3 = named(new QLabel(QStringLiteral("Soundexcode ="), c), "StaticText3", 13);
    StaticText3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    a.add(StaticText3, {262, 46, 183, 22}, AnchorTop | AnchorRight);

    Separator3 = separatorLine(c, "Separator3");
    a.add(Separator3, {20, 543, 610, 4}, AnchorLeft | AnchorRight | AnchorBottom);

    StaticText4 = named(new QLabel(QStringLiteral("="), c), "StaticText4", 13);
    a.add(StaticText4, {325, 567, 212, 21}, LB);

    StaticText7 = named(new QLabel(QStringLiteral("Bezeichnung:"), c), "StaticText7", 10);
    a.add(StaticText7, {29, 549, 103, 18}, LB);

    StaticText6 = named(new QLabel(QStringLiteral("Datum:"), c), "StaticText6", 10);
    a.add(StaticText6, {337, 550, 50, 13}, LB);

    StaticText5 = named(new QLabel(QStringLiteral("Jahr:"), c), "StaticText5", 10);
    a.add(StaticText5, {279, 550, 50, 13}, LB);

    PopupMenu1 = named(new QComboBox(c), "PopupMenu1", 13);
    PopupMenu1->addItem(QStringLiteral("Pfingstsonntag (Pentecoste)"));
    PopupMenu1->setCurrentIndex(0);
    PopupMenu1->setEnabled(false);
    a.add(PopupMenu1, {23, 566, 230, 21}, LB);
    connect(PopupMenu1, &QComboBox::currentIndexChanged, this, [this] { PopupMenu1_Change(); });

    TextField1 = named(new QLineEdit(c), "TextField1", 13);
    TextField1->setMaxLength(4);
    // The year field holds at most four digits.
    TextField1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), TextField1));
    a.add(TextField1, {266, 565, 50, 22}, LB);
    connect(TextField1, &QLineEdit::textChanged, this, [this] { TextField1_TextChange(); });
    TextField1->installEventFilter(this);

    // Lies 27 pixels below the content area at every height, unless the
    // Julian calendar is shown.
    PopupMenu2 = named(new QComboBox(c), "PopupMenu2", 13);
    PopupMenu2->addItem(QStringLiteral("Ostersonntag (Pascha)"));
    PopupMenu2->setCurrentIndex(0);
    PopupMenu2->setEnabled(false);
    a.add(PopupMenu2, {12, 627, 230, 21}, LB);
    connect(PopupMenu2, &QComboBox::currentIndexChanged, this, [this] { PopupMenu2_Change(); });

    Julianisch = named(new QCheckBox(QStringLiteral("Julianisch"), c), "Julianisch", 12);
    Julianisch->setToolTip(QStringLiteral("Sonntage nach dem julianischen Kalender zeigen"));
    a.add(Julianisch, {545, 567, 85, 21}, LB);
    connect(Julianisch, &QCheckBox::toggled, this, [this] { Julianisch_Action(); });

    // Return in a single-line field presses the default button.
    connect(EditField1, &QLineEdit::returnPressed, SuchenButton, &QPushButton::click);
    connect(TextField1, &QLineEdit::returnPressed, SuchenButton, &QPushButton::click);

    // The focus order of the control table.
    const QList<QWidget*> tabOrder = {EditField1, SuchenButton, ListBox1, EditField2, neu, loeschen,
                                      PushButton1, sichern, PopupMenu1, TextField1, PopupMenu2, Julianisch};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void Lexikon::runControlOpenHandlers()
{
    ListBox1_Open();
    Label3->setText(QString());
    sichern->setText(QStringLiteral("Lexikon sichern"));
    PushButton1->setText(QStringLiteral("Lexikon laden"));
    SuchenButton->setText(QStringLiteral("Suchen"));
    // The search field takes the focus, so that a term can be typed at once.
    EditField1->setFocus();
}

QColor Lexikon::highlightColor() const
{
    return ListBox1->palette().color(QPalette::Active, QPalette::Highlight);
}

bool Lexikon::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == EditField1 || watched == TextField1 || watched == EditField2)) {
        const auto* ke = static_cast<QKeyEvent*>(event);
        const QString key = shortcutKeyText(ke->key(), ke->modifiers() & Qt::ShiftModifier, ke->text());
        const bool command = platform().commandKeyDown();
        if (watched == EditField1)
            EditField1_KeyDown(key);
        else if (watched == TextField1)
            TextField1_KeyDown(key);
        else
            EditField2_KeyDown(key);
        // The clipboard functions did the work: the field's own handling of the
        // same shortcut must not cut, copy or paste a second time.
        if (command && isClipboardKey(key))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
