#pragma once
// The program's own windows that the main menu shows modally. All of them
// are created once at start-up, after the main window, and live until the
// program ends; one that is not there (null) makes its commands show
// nothing.

class QDialog;

namespace vortena::shell {

struct ShellWindows {
  QDialog* form2 = nullptr;                            // first-start instructions
  QDialog* form3 = nullptr;                            // terms of use
  QDialog* form4 = nullptr;                            // payment method
  QDialog* form5 = nullptr;                            // fixed end-of-invoice text
  QDialog* form6DruhTlaciarne = nullptr;               // printer type
  QDialog* form11CislaFaktur = nullptr;                // invoice numbering
  QDialog* form12UdajeOFirme = nullptr;                // company data
  QDialog* form13NastavitelneUdajeFaktury = nullptr;  // invoice settings
  QDialog* formSadzbyDPH = nullptr;                    // VAT rates
  QDialog* formCelkovaUzavierka = nullptr;             // total closing
};

}  // namespace vortena::shell
