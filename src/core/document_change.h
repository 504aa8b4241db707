#pragma once
// One change to the document as a value: what each touched text, name, status, item symbol, the
// dictionary and the word list held before and holds after. A change is built against the document
// as it stands, then applied; reverting it gives back the document exactly as it was, so a history
// can replay it both ways.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "document.h"
#include "text_places.h"

namespace orvane {

class DocumentChange {
 public:
  struct TextEdit {
    TextPlace place;
    std::string before, after;
  };
  struct ProgressEdit {
    int32_t bank = 0, text = 0;
    TextProgress before, after;
  };
  struct SymbolEdit {
    int32_t item = 0;
    uint8_t before = 0, after = 0;
  };
  struct DictionaryEdit {
    std::vector<std::string> before, after;  // codes 0x21..0x9F
    bool settledBefore = false, settledAfter = false;  // TabelleGeaendert
  };
  struct WordListEdit {
    std::set<std::string> before, after;
  };
  struct GlossaryEdit {
    std::vector<GlossaryTerm> before, after;
  };

  DocumentChange() = default;
  explicit DocumentChange(std::string label) : label_(std::move(label)) {}

  // Each records the value `doc` holds now as the one before. A place recorded twice ends with the
  // later value, and reverting still gives back the first one's before.
  void setText(const Document& doc, const TextPlace& place, std::string after);
  void setProgress(const Document& doc, int32_t bank, int32_t text, TextProgress after);
  void setSymbol(const Document& doc, int32_t item, uint8_t after);
  void setDictionary(const Document& doc, std::vector<std::string> after, bool settled);
  void addWord(const Document& doc, const std::string& word);
  void setGlossary(const Document& doc, std::vector<GlossaryTerm> after);

  void apply(Document& doc) const;
  void revert(Document& doc) const;

  bool empty() const;
  // What the change is called in a history ("Replace all", "Save text").
  const std::string& label() const { return label_; }
  // The label with the number of texts and names it changes when that is more than one:
  // "Replace all (24 texts)".
  std::string description() const;

  const std::vector<TextEdit>& texts() const { return texts_; }
  const std::vector<ProgressEdit>& progress() const { return progress_; }
  const std::vector<SymbolEdit>& symbols() const { return symbols_; }
  const std::optional<DictionaryEdit>& dictionary() const { return dictionary_; }
  const std::optional<WordListEdit>& words() const { return words_; }
  const std::optional<GlossaryEdit>& glossary() const { return glossary_; }

 private:
  std::string label_;
  std::vector<TextEdit> texts_;
  std::vector<ProgressEdit> progress_;
  std::vector<SymbolEdit> symbols_;
  std::optional<DictionaryEdit> dictionary_;
  std::optional<WordListEdit> words_;
  std::optional<GlossaryEdit> glossary_;
};

// Where every change to the document goes: the command line applies it at once, the editor keeps it
// in the project's history, which also knows whether the project holds unsaved changes.
class ChangeSink {
 public:
  virtual ~ChangeSink() = default;
  virtual void Commit(DocumentChange change) = 0;
};

// Applies each change and keeps nothing.
class ApplyChanges : public ChangeSink {
 public:
  explicit ApplyChanges(Document& doc) : doc_(doc) {}
  void Commit(DocumentChange change) override { change.apply(doc_); }

 private:
  Document& doc_;
};

}  // namespace orvane
