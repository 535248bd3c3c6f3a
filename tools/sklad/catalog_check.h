#pragma once
// `sklad check`: the warehouse catalogue (KAT-SKL.DAT with KAT-SKL.IND and
// KAT-SKLN.IND) and the goods catalogue (TOVAR.DAT with TOVAR.IND,
// WIN-TOV.DAT with WIN-TOV.IND). Each file's structure (index_walk.h),
// and between a data file and its indexes: every record in use (not on the
// free chain) has exactly one entry in each index, a freed record none, and
// every entry points at a record of the file. For the warehouses the entries'
// keys must also be the record's number and name key.

#include <ostream>

namespace vortena::sklad {

// Prints each problem as "FILE: problem" and a last summary line. Returns
// the number of problems.
int checkCatalogues(std::ostream& out);

}  // namespace vortena::sklad
