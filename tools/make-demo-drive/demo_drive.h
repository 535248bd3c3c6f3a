#pragma once
// Writes a complete fresh installation onto drive C: as the drive mapping
// sees it: every parameter file, the company record, the VAT rates, the
// invoice counter, the invoice footer, a goods and a warehouse catalogue and
// two reports. Returns 0 or the DOS-style code of the first failed step, with
// the file named in `failedPath`. Catalogue failures stop the process through
// the library's journal, as they do for every caller of the library.

#include <string>

namespace vortena::demo {

[[nodiscard]] int makeDemoDrive(std::string& failedPath);

}  // namespace vortena::demo
