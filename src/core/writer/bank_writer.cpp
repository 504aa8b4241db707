// The 21 dialogue banks: per text its pointer, then its codes and a 0x00, packed from DataStart.
// Every byte is checked against DataEnd before it is written.

#include <optional>
#include <string>
#include <vector>

#include "layout.h"
#include "writer/encoder.h"
#include "writer/write_context.h"

namespace orvane {

namespace {

enum class BankStep { Next, SkipBank, Stop };

class BankWriter {
 public:
  BankWriter(WriteContext& ctx, const Encoder& encoder, int32_t bank)
      : ctx_(ctx), encoder_(encoder), bank_(bank), record_(ctx.doc.BankInfo[static_cast<size_t>(bank)]) {}

  // Writes the bank; Stop ends the save.
  WriteResult Write() {
    pointer_ = record_.PointerTable;
    data_ = record_.DataStart;
    for (int32_t t = 1; t <= record_.TextCount; ++t) {
      ctx_.Caption("Writing DialogBank " + std::to_string(bank_) + "/" + std::to_string(kBankCount) +
                   "   Textnr:" + std::to_string(t) + "/" + std::to_string(record_.TextCount));
      if (!ctx_.YieldAndCheck()) return WriteResult::Stopped;
      ctx_.image.SchreibeZeiger(pointer_, data_);
      const BankStep step = WriteText(t);
      if (step == BankStep::Stop) return WriteResult::Stopped;
      if (step == BankStep::SkipBank) return WriteResult::Finished;  // FreierPlatz stays 0
      pointer_ += 2;
      ctx_.ProgressStep();
    }
    ctx_.FreierPlatz[static_cast<size_t>(bank_)] = record_.DataEnd - (data_ - 1);
    return WriteResult::Finished;
  }

 private:
  BankStep WriteText(int32_t t) {
    const std::string& text = ctx_.doc.Texte[static_cast<size_t>(bank_)][static_cast<size_t>(t)].Aktuell;
    codes_.clear();
    std::optional<std::string> unknown;
    std::optional<RunError> error;
    try {
      unknown = encoder_.KodiereDialog(text, codes_);
    } catch (const RunError& e) {
      error = e;
    }
    // The codes before a failure are written first, as the text is written while it is read.
    for (uint8_t code : codes_)
      if (const BankStep s = Put(code, t); s != BankStep::Next) return s;
    // Yes to an error ends the text after the codes before the failing brace group.
    if (error && !ctx_.AskContinue(*error)) return BankStep::Stop;
    if (unknown) {
      ReportUnknownCharacter(t, *unknown);
      return BankStep::Stop;
    }
    return Put(0x00, t);
  }

  BankStep Put(uint8_t code, int32_t t) {
    if (data_ > record_.DataEnd) {
      const Message m = MakeMessage("Error!",
                                    std::string("Not enough space to save this bank!") + kCrLf + "textnumber: " +
                                        std::to_string(t) + kCrLf + "Continue with next bank?",
                                    Icon::Exclamation, Buttons::OkCancel, true);
      return ctx_.prompter.ask(m) == Answer::Ok ? BankStep::SkipBank : BankStep::Stop;
    }
    ctx_.image.SchreibeByte(data_++, code);
    return BankStep::Next;
  }

  void ReportUnknownCharacter(int32_t t, const std::string& character) {
    ctx_.prompter.ask(MakeMessage("Error!",
                                  std::string("Unknown Character!") + kCrLf + "Bank:" + std::to_string(bank_) + kCrLf +
                                      "Textnumber:" + std::to_string(t) + kCrLf + "Character: " + character,
                                  Icon::Stop));
  }

  WriteContext& ctx_;
  const Encoder& encoder_;
  int32_t bank_;
  const BankRecord& record_;
  int32_t pointer_ = 0;
  int32_t data_ = 0;
  std::vector<uint8_t> codes_;
};

}  // namespace

WriteResult SchreibeBanken(WriteContext& ctx) {
  const Encoder encoder = MakeEncoder(ctx);
  for (int32_t b = 1; b <= kBankCount; ++b)
    if (BankWriter(ctx, encoder, b).Write() == WriteResult::Stopped) return WriteResult::Stopped;
  return WriteResult::Finished;
}

}  // namespace orvane
