#pragma once
// `sklad warehouses` and `sklad goods`: the catalogues in index order, read
// with the tool's read-only reader. Texts are DOS 852 shown as UTF-8.

#include <ostream>

namespace vortena::sklad {

// 0 when listed; 1 when a file is missing or damaged (the cause goes to err).
int listWarehouses(std::ostream& out, std::ostream& err);
int listGoods(std::ostream& out, std::ostream& err);

}  // namespace vortena::sklad
