#include "row_check.h"

namespace varnok::listwindow {

RowVerdict RowChecker::check(const batch::ListRow& row) {
    RowVerdict verdict;
    verdict.problems = row.problems;
    if (row.beam) {
        run_.check(*row.beam);
        verdict.result = run_.design().result;
    }
    return verdict;
}

} // namespace varnok::listwindow
