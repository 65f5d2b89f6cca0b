#pragma once

#include <QWidget>
#include <memory>
#include <optional>

class QPushButton;

namespace giudizi {

class ArchiveRowDisplay;
class NoticeLabel;
class Recordset;

// What an archive screen hands on to the electronic register: the judgment on
// show copied to the clipboard (saved or not), and the whole result set of a
// class search or of "Vedo TUTTO" exported to a CSV file.
class ResultSetActions : public QWidget {
    Q_OBJECT
public:
    ResultSetActions(ArchiveRowDisplay* display, QWidget* parent);

    // A new result set; `exportName` is the file name suggested for it, or
    // nothing when it is not one to export (a pupil search).
    void setResults(std::shared_ptr<Recordset> results, std::optional<QString> exportName);
    // The result set lost rows (deleted): an empty one has nothing to export.
    void rowsChanged();

    void cmdCopia_Click();
    void cmdEsporta_Click();

private:
    void exportTo(const QString& path);

    ArchiveRowDisplay* m_display;
    std::shared_ptr<Recordset> m_results;
    std::optional<QString> m_exportName;
    QPushButton* m_copia = nullptr;
    QPushButton* m_esporta = nullptr;
    NoticeLabel* m_notice = nullptr;
};

} // namespace giudizi
