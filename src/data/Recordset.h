#pragma once

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

namespace giudizi {

class Database;

// A keyset cursor over one table. Opening reads only the row keys (SQLite
// rowids, the server's key column) in the requested order; the values of a row are read when the
// cursor stands on it, and update() writes only that row, by key. Every value is a bound parameter.
class Recordset {
public:
    using Bookmark = qint64;

    // The whole table, in the order its rows were stored.
    static std::shared_ptr<Recordset> openTable(std::shared_ptr<Database> db, const QString& table);
    // The rows of `table` matching `where` (with '?' placeholders filled from
    // `binds`), in `orderBy` order. Empty `where`/`orderBy` mean none.
    static std::shared_ptr<Recordset> open(std::shared_ptr<Database> db, const QString& table,
                                           const QString& where, const QVariantList& binds,
                                           const QString& orderBy);

    // The statement that reads the keys of such a recordset.
    static QString keyQuery(const Database& db, const QString& table, const QString& where,
                            const QString& orderBy);
    // `columns` of the rows of `table` with `keys`, by key, in one statement
    // (rows no longer there are missing).
    static QHash<Bookmark, QVector<QVariant>> readRows(Database& db, const QString& table,
                                                       const QStringList& columns,
                                                       const QVector<Bookmark>& keys);
    // The keys that statement gives, in its order.
    static QVector<Bookmark> readKeys(Database& db, const QString& keyQuery,
                                      const QVariantList& binds = {});

    QString table() const { return m_table; }
    std::shared_ptr<Database> database() const { return m_db; }

    bool eof() const;
    bool bof() const;
    // Number of rows. On the server this reads every key of the search (the
    // first ones come at opening): ask isEmpty() to know whether there are any.
    int recordCount() const;
    bool isEmpty() const { return m_keys.isEmpty(); }
    int absolutePosition() const { return m_pos; }
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    // Column values of the current row; a null column gives a null QVariant.
    QVariant field(const QString& column) const;
    bool isNull(const QString& column) const;
    // Text of a column, empty for null.
    QString text(const QString& column) const;
    QStringList fieldNames() const;

    // Reads `columns` of every row of the keyset, in its order, a few hundred
    // rows at a time and without moving the cursor (nothing stays open while
    // `visit` runs); rows deleted meanwhile are passed over. `visit` gets the
    // values (null as an invalid QVariant) and returns false to stop.
    void readEach(const QStringList& columns,
                  const std::function<bool(const QVector<QVariant>& values)>& visit) const;

    // Editing: edit() or addNew(), setField() any number of times, then update()
    // or cancel(). update() of an added row leaves the cursor where it was and
    // makes the new row the lastModified() one, like the old engine. Updating
    // or removing a row that is no longer in the table (deleted meanwhile, by
    // this program or another) writes nothing and throws MissingRowError; a
    // failed update() also ends the edit.
    void edit();
    // edit(), and update() writes only if the row still has `version` (see
    // version()); otherwise nothing is written and ConflictError is thrown.
    // kNoCheck writes in any case; kUnknownVersion always finds a conflict.
    void editExpecting(qint64 version);
    static constexpr qint64 kNoCheck = -1;
    static constexpr qint64 kUnknownVersion = -2;
    void addNew();
    void setField(const QString& column, const QVariant& value);
    void update();
    void cancel();
    bool isEditing() const { return m_mode != Mode::None; }
    // Deletes the current row; the cursor then stands between its neighbours,
    // so moveNext() reaches the row that followed it.
    void remove();

    // The version of the current row as last read or written by this cursor,
    // where the engine keeps one (the server's archive); kNoCheck elsewhere.
    qint64 version() const;
    // The same, or kUnknownVersion when the row cannot be read (a save
    // checked against it then asks rather than overwrites).
    qint64 versionOrUnknown() const;

    Bookmark bookmark() const;
    void setBookmark(Bookmark key);
    Bookmark lastModified() const { return m_lastModified; }

    // Whether the cursor stands on a key of its keyset (not past either end,
    // not on a row it has just removed).
    bool hasCurrentRow() const;
    // Whether the cursor stands on a row that is still in the table; the row
    // is read afresh, so its values are at hand afterwards.
    bool currentRowExists() const;
    // Drops any cached values so the current row is read again.
    void refresh();
    // Reads the keys of the search again (rows added or deleted by others
    // come and go); the cursor keeps its row when it is still there.
    void requery();
    // Forgets a row added in a transaction that was rolled back.
    void forget(Bookmark key);

    // Puts the cursor back on the row it stood on when made (if any), however
    // the scope is left.
    class KeepPosition {
    public:
        explicit KeepPosition(Recordset& rows);
        ~KeepPosition();
        KeepPosition(const KeepPosition&) = delete;
        KeepPosition& operator=(const KeepPosition&) = delete;

    private:
        Recordset& m_rows;
        Bookmark m_key;
    };

private:
    enum class Mode { None, Edit, Add };

    Recordset(std::shared_ptr<Database> db, const QString& table);
    void loadKeys(const QString& where, const QVariantList& binds, const QString& orderBy);
    void loadCurrent() const;
    void completeKeys() const;
    void readEachFromServer(const QStringList& columns,
                            const std::function<bool(const QVector<QVariant>&)>& visit) const;
    void requireRow() const;
    void write();

    std::shared_ptr<Database> m_db;
    QString m_table;
    mutable QVector<Bookmark> m_keys;
    mutable int m_pos = 0;
    mutable bool m_complete = true; // every key of the search is in m_keys
    QVector<Bookmark> m_added;      // rows this cursor added
    QString m_keyQuery;
    QVariantList m_keyBinds;
    qint64 m_expectedVersion = kNoCheck;
    bool m_afterDelete = false;
    Mode m_mode = Mode::None;
    QHash<QString, QVariant> m_pending;
    QStringList m_pendingOrder;
    Bookmark m_lastModified = -1;

    mutable bool m_loaded = false;
    mutable QStringList m_columns;
    mutable QString m_rowQuery; // reads the current row's values
    mutable QVector<QVariant> m_values;
    mutable qint64 m_version = -1;
    mutable Bookmark m_versionKey = -1; // the row m_version belongs to
};

} // namespace giudizi
