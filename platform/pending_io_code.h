#pragma once
// The pending-code style of the catalogue library: every failed file step
// stores its code, replacing any code already there; a step that succeeds
// leaves it alone; whoever checks takes the code and clears it.

namespace vortena {

class PendingIoCode {
 public:
  // Records the result of a step: nonzero codes replace the pending one.
  void note(int code) {
    if (code != 0) m_pending = code;
  }
  // Hands over the pending code and clears it.
  int take() {
    const int code = m_pending;
    m_pending = 0;
    return code;
  }
  int peek() const { return m_pending; }

 private:
  int m_pending = 0;
};

}  // namespace vortena
