#pragma once
// The main window: it owns all state of the running program, every event
// handler and every method. Its methods are defined in the folder of the
// subsystem they belong to.
#include "calendar/date.h"

#include <QMainWindow>
#include <QStringList>
#include <exception>
#include <optional>

class Anchors;
class EntryTable;
class Sep;
class SplitterHandle;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;
class QTableView;
class QTextEdit;
class QTimer;

class Lexikon : public QMainWindow {
public:
    Lexikon();
    ~Lexikon() override;

    // --- fields ---------------------------------------------------------
    qint64 alty = 0;
    qint64 CellColumn = 0;
    qint64 CellRow = 0;
    bool LexChanged = false;
    std::optional<QString> LexikonDatei;
    qint64 Sortierspalte = 0;
    qint64 Suchstart = 0;
    QStringList JulianischeKirchensonntage;

    // --- controls, in creation order -------------------------------------
    QMenuBar* MenuBar1 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QPushButton* neu = nullptr;
    QPushButton* loeschen = nullptr;
    QPushButton* sichern = nullptr;
    QLineEdit* EditField1 = nullptr;
    QPushButton* PushButton1 = nullptr;
    SplitterHandle* Canvas1 = nullptr;
    Sep* SepLine = nullptr;            // the grip line registered as "Sep"
    QFrame* Separator1 = nullptr;
    QFrame* Separator2 = nullptr;
    QTimer* Timer1 = nullptr;
    QTableView* ListBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* EditField2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* SuchenButton = nullptr;
    QLabel* Canvas2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QFrame* Separator3 = nullptr;
    QLabel* StaticText4 = nullptr;
    QLabel* StaticText7 = nullptr;
    QLabel* StaticText6 = nullptr;
    QLabel* StaticText5 = nullptr;
    QComboBox* PopupMenu1 = nullptr;
    QLineEdit* TextField1 = nullptr;
    QComboBox* PopupMenu2 = nullptr;
    QCheckBox* Julianisch = nullptr;   // shows the Julian Sundays in the panel

    EntryTable& entries() const { return *m_entries; }
    Anchors& anchors() const { return *m_anchors; }

    // --- methods ----------------------------------------------------------
    void hoeheanpassen(qint64 dy);
    // True when the rows of the table were replaced by the file's rows.
    bool LexikonLaden();
    // True when the file was written.
    bool LexikonSichern();
    void hinweis(const QString& text);
    void Fehlerbehandlung(const QString& place, std::exception_ptr error, bool flag = false);
    QString GetSoundexCode(const QString& term);
    void Find(const QString& term, QTableView* list, qint64 column);
    void Popuperzeugenneu();
    void Clipboardfunktionen(const QString& key, QTextEdit* area, QLineEdit* field);
    std::optional<Date> Osternberechnen(qint64 year, const QString& kind);
    void JulianischesPopupErzeugen(std::optional<Date> easter);
    QString GetYearString(const std::optional<Date>& date);

    // Runs body; a failure inside it reaches Fehlerbehandlung once with the
    // place (and the failure, unless the place reports only itself).
    enum class Report { Failure, PlaceOnly };
    template <class Body>
    bool guard(const QString& place, Report report, Body&& body)
    {
        try {
            body();
            return true;
        } catch (...) {
            Fehlerbehandlung(place, report == Report::Failure ? std::current_exception() : nullptr);
            return false;
        }
    }

    // --- commands ---------------------------------------------------------
    void LexikonOeffnen();          // the open command
    void FileLexikonSichern();      // the save command
    void FileLexikonSichernAls();   // the save-as command

    // --- event handlers -----------------------------------------------------
    void Event_Open();
    void Timer1_Action();
    void PushButton1_Action();
    void sichern_Action();

    void ListBox1_Open();
    void ListBox1_Change();
    void ListBox1_HeaderPressed(qint64 column);
    void ListBox1_CellClick(qint64 row, qint64 column);
    void ListBox1_DoubleClick();
    bool ListBox1_CellBackgroundPaint(QPainter& g, const QRect& cell, qint64 row, qint64 column, bool selected);
    bool ListBox1_CellTextPaint(QPainter& g, const QRect& cell, qint64 row, qint64 column, bool selected);

    void EditField2_KeyDown(const QString& key);
    void EditField1_TextChange();
    void EditField1_KeyDown(const QString& key);
    void SuchenButton_Action();

    void Canvas1_MouseEnter();
    void Canvas1_MouseExit();
    bool Canvas1_MouseDown(qint64 x, qint64 y);
    void Canvas1_MouseDrag(qint64 x, qint64 y);

    void TextField1_TextChange();
    void TextField1_KeyDown(const QString& key);
    void PopupMenu1_Change();
    void PopupMenu2_Change();
    void Julianisch_Action();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void runControlOpenHandlers();
    void updateCount();
    void restoreSaveButton();
    // Sorts by term, saves, clears LexChanged when the file was written.
    void saveSorted();
    // The highlight colour of selected rows.
    QColor highlightColor() const;

    EntryTable* m_entries = nullptr;
    Anchors* m_anchors = nullptr;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

// The single main window, created (built and opened) on first use.
class Lexikon& Lexikon();
// Whether the main window exists at the moment.
bool lexikonExists();
