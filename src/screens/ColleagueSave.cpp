#include "screens/ColleagueSave.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "platform/MessageBox.h"

namespace giudizi {

bool saveOverColleague(QWidget* parent, qint64 expected,
                       const std::function<void(qint64 expected)>& write)
{
    try {
        write(expected);
    } catch (const ConflictError&) {
        if (!msg::yesNo(parent, ConflictError::question(), msg::Default::No))
            return false;
        write(Recordset::kNoCheck);
    }
    return true;
}

} // namespace giudizi
