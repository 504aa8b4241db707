#include "layout.h"

#include "document.h"

namespace orvane {

void FillLayoutConstants(Document& doc) {
  for (int b = 1; b <= kBankCount; ++b) {
    const BankPlace& p = kBankPlaces[b - 1];
    doc.BankInfo[b] = BankRecord{p.pointerTable, p.textCount, p.dataStart, p.dataEnd};
  }
  doc.TitelZeigerTabelle = kTitelZeigerTabelle;
  doc.TitelAnzahl = kTitelAnzahl;
  doc.TitelDatenStart = kTitelDatenStart;
  doc.TitelDatenEnde = kTitelDatenEnde;
  doc.StadtZeigerStart = kStadtZeigerStart;
  doc.StadtZeigerEnde = kStadtZeigerEnde;
  doc.StadtAnzahl = kStadtAnzahl;
  doc.StadtDatenStart = kStadtDatenStart;
  doc.StadtDatenEnde = kStadtDatenEnde;
}

}  // namespace orvane
