#include "stream/TokenStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "lex/TokenKinds.h"
#include "support/TestSupport.h"

using namespace Tolvex;

namespace {

std::unique_ptr<CTokenStream> scanned(const wstring& text) {
  return std::make_unique<CTokenStream>(text.data(), int(text.size()));
}

// The texts of the list, deleted tokens marked with a leading '~'.
std::vector<wstring> texts(const CTokenStream& s) {
  std::vector<wstring> out;
  for (CTokenIterator it = s.begin(); it != s.end(); it = it->next)
  {
    wstring text(it->deleted ? u"~" : u"");
    text += it->text();
    out.push_back(text);
  }
  return out;
}

// The list read backwards, to check both directions are linked.
std::vector<wstring> textsBackward(const CTokenStream& s) {
  std::vector<wstring> out;
  for (CTokenIterator it = s.back(); it != s.end(); it = it->prev)
    out.insert(out.begin(), (it->deleted ? u"~" : u"") + wstring(it->text()));
  return out;
}

CTokenIterator nth(const CTokenStream& s, int n) {
  CTokenIterator it = s.begin();
  while (n-- > 0)
    it = it->next;
  return it;
}

using W = std::vector<wstring>;

TEST(TokenStreamScan, KeepsEveryKindAndEndsWithOneEof) {
  auto s = scanned(u"a //c\n/*x*/ b");
  EXPECT_EQ(texts(*s), (W{u"a", u" ", u"//c", u"\n", u" ", u"b", u""}));
  EXPECT_EQ(s->back()->kind, _EOF);
  EXPECT_EQ(textsBackward(*s), texts(*s));
}

TEST(TokenStreamScanner, StaysAtEndOfFile) {
  CTokenStreamScanner sc(new CTokenStream(u"", 0));
  EXPECT_EQ(sc.stream->begin()->next, sc.stream->end()); // the end-of-file token alone
  Token* first = sc.Scan();
  EXPECT_EQ(first->kind, _EOF);
  EXPECT_EQ(sc.Scan(), first);
  EXPECT_EQ(sc.Peek(), first);
  EXPECT_EQ(sc.prev, sc.curr);
}

TEST(TokenStreamScanner, PrevIsLastDeliveredCurrIsNext) {
  CTokenStreamScanner sc(new CTokenStream(u"a b", 3));
  Token* a = sc.Scan();
  EXPECT_EQ(a->text(), u"a");
  EXPECT_EQ(sc.prev, a);
  EXPECT_EQ(sc.curr, a->next);
  EXPECT_EQ(sc.Peek()->kind, _whitespace);
  EXPECT_EQ(sc.Peek()->text(), u"b");
  EXPECT_EQ(sc.Peek()->kind, _EOF);
  EXPECT_EQ(sc.Peek()->kind, _EOF);
  sc.ResetPeek();
  EXPECT_EQ(sc.Peek()->kind, _whitespace);
  EXPECT_EQ(sc.Scan()->kind, _whitespace);
  EXPECT_EQ(sc.Scan()->text(), u"b");
  Token* eof = sc.Scan();
  EXPECT_EQ(eof->kind, _EOF);
  EXPECT_EQ(sc.prev, eof);
  EXPECT_EQ(sc.curr, eof);
}

TEST(TokenStreamCopy, SkipsDeletedAndGivenKind) {
  auto s = scanned(u"a @@ b c d");
  // a, ' ', @@, ' ', b, ' ', c, ' ', d, EOF
  nth(*s, 4)->deleted = true;
  CTokenStream copy(s->begin(), nth(*s, 8), _atat);
  EXPECT_EQ(texts(copy), (W{u"a", u" ", u" ", u" ", u"c", u" "}));
  EXPECT_EQ(textsBackward(copy), texts(copy));
  CTokenStream blanksGone(s->begin(), s->end(), _whitespace);
  EXPECT_EQ(texts(blanksGone), (W{u"a", u"@@", u"c", u"d", u""}));
}

TEST(TokenStreamCopy, EmptyRanges) {
  auto s = scanned(u"a b");
  CTokenStream none(nth(*s, 1), nth(*s, 1), 0);
  EXPECT_TRUE(none.empty());
  markDeleted(s->begin(), s->back());
  CTokenStream allDeleted(s->begin(), s->back(), 0);
  EXPECT_TRUE(allDeleted.empty());
}

TEST(TokenStreamCopy, CopiesAreNewAndIndependent) {
  auto s = scanned(u"a\nb");
  auto copy = std::make_unique<CTokenStream>(s->begin(), s->end(), _EOF);
  ASSERT_EQ(texts(*copy), (W{u"a", u"\n", u"b"}));
  for (CTokenIterator c = copy->begin(), o = s->begin(); c != copy->end(); c = c->next, o = o->next) {
    EXPECT_NE(c, o);
    EXPECT_EQ(c->kind, o->kind);
    EXPECT_EQ(c->line, o->line);
    EXPECT_EQ(c->col, o->col);
    EXPECT_EQ(c->fileName, o->fileName); // the same name object, not an equal one
  }
  // Flags set on the originals later do not reach the copies, nor back.
  markDeleted(s->begin(), s->end());
  EXPECT_EQ(texts(*copy), (W{u"a", u"\n", u"b"}));
  copy->begin()->deleted = true;
  copy.reset();
  EXPECT_EQ(texts(*s), (W{u"~a", u"~\n", u"~b", u"~"}));
  EXPECT_EQ(nth(*s, 2)->line, 2);
}

TEST(TokenStreamCopy, CopyOfDeletedTokenIsNotDeleted) {
  auto s = scanned(u"a b");
  s->begin()->deleted = true;
  Token* c = s->insertCopy(s->begin(), s->begin());
  EXPECT_FALSE(c->deleted);
  EXPECT_EQ(texts(*s), (W{u"a", u"~a", u" ", u"b", u""}));
}

// A copy outlives the stream it was copied from: texts and file names stay
// readable for macro bodies whose source stream is gone.
TEST(TokenStreamCopy, OutlivesItsSource) {
  auto s = scanned(u"name 42");
  CTokenStream copy(s->begin(), s->end(), _EOF);
  s.reset();
  EXPECT_EQ(texts(copy), (W{u"name", u" ", u"42"}));
  EXPECT_EQ(copy.begin()->fileName->text, u"UNKNOWN");
}

// Blanks go from both ends, never line breaks nor inner blanks.
TEST(TokenStreamStrip, BlanksAtBothEnds) {
  for (auto [text, want] : {std::pair<wstring, W>{u"  a  b\t", W{u"a", u"  ", u"b"}},
                            {u" \t ", W{}},
                            {u"", W{}},
                            {u"\n a \n", W{u"\n", u" ", u"a", u" ", u"\n"}}}) {
    auto s = scanned(text);
    CTokenStream copy(s->begin(), s->end(), _EOF);
    copy.strip();
    EXPECT_EQ(texts(copy), want);
    EXPECT_EQ(textsBackward(copy), want);
  }
}

// Splicing inserts before a position; every position held elsewhere stays valid.
TEST(TokenStreamSplice, InsertCopyBeforePosition) {
  auto s = scanned(u"a b c");
  CTokenIterator a = nth(*s, 0), b = nth(*s, 2), c = nth(*s, 4), eof = s->back();
  auto extra = scanned(u"X Y");
  size_t before = s->tokensMade();
  for (CTokenIterator it = extra->begin(); it->kind != _EOF; it = it->next)
    s->insertCopy(c, it);
  EXPECT_EQ(s->tokensMade(), before + 3);
  extra.reset();
  EXPECT_EQ(texts(*s), (W{u"a", u" ", u"b", u" ", u"X", u" ", u"Y", u"c", u""}));
  EXPECT_EQ(textsBackward(*s), texts(*s));
  EXPECT_EQ(a->text(), u"a");
  EXPECT_EQ(b->next->text(), u" ");
  EXPECT_EQ(c->prev->text(), u"Y");
  EXPECT_EQ(c->next, eof);
  // At the very front and before the end-of-file token.
  s->insertCopy(s->begin(), c);
  s->insertCopy(eof, a);
  EXPECT_EQ(texts(*s), (W{u"c", u"a", u" ", u"b", u" ", u"X", u" ", u"Y", u"c", u"a", u""}));
  EXPECT_EQ(textsBackward(*s), texts(*s));
}

// The cursor meets spliced tokens when curr is set to them, and the flagged
// construct when it is set back to where the construct began.
TEST(TokenStreamSplice, CursorReadsSplicedTokens) {
  CTokenStreamScanner sc(new CTokenStream(u"M x", 3));
  Token* start = sc.Scan();
  CTokenIterator at = sc.curr; // the position after the name
  markDeleted(start, at);
  CTokenStream body(u"1+2", 3);
  Token* first = nullptr;
  for (CTokenIterator it = body.begin(); it->kind != _EOF; it = it->next) {
    Token* t = sc.stream->insertCopy(at, it);
    if (!first)
      first = t;
  }
  sc.curr = start;
  std::vector<wstring> read;
  for (Token* t = sc.Scan(); t->kind != _EOF; t = sc.Scan())
    read.push_back((t->deleted ? u"~" : u"") + wstring(t->text()));
  EXPECT_EQ(read, (W{u"~M", u"1", u"+", u"2", u" ", u"x"}));
  sc.curr = first;
  EXPECT_EQ(sc.Scan()->text(), u"1");
}

TEST(TokenStreamMarkDeleted, HalfOpenRange) {
  auto s = scanned(u"a b c");
  markDeleted(nth(*s, 1), nth(*s, 3));
  EXPECT_EQ(texts(*s), (W{u"a", u"~ ", u"~b", u" ", u"c", u""}));
  markDeleted(nth(*s, 4), nth(*s, 4));
  EXPECT_FALSE(nth(*s, 4)->deleted);
}

TEST(TokenStreamInsert, LinksTokensOfItsArenaBeforeAPosition) {
  auto s = scanned(u"a b");
  CTokenIterator b = nth(*s, 2);
  Token* x = s->locals.make();
  x->setText(u"x");
  s->insertBefore(b, x);
  Token* front = s->locals.make();
  front->setText(u"f");
  s->insertBefore(s->begin(), front);
  EXPECT_EQ(texts(*s), (W{u"f", u"a", u" ", u"x", u"b", u""}));
  EXPECT_EQ(textsBackward(*s), texts(*s));
}

TEST(TokenStreamEdit, AppendAndPopBack) {
  auto s = scanned(u"a b");
  CTokenStream body(s->begin(), s->end(), -1);
  EXPECT_EQ(body.back()->kind, _EOF);
  body.popBack();
  EXPECT_EQ(texts(body), (W{u"a", u" ", u"b"}));
  body.append(body.locals.copy(s->begin()));
  EXPECT_EQ(texts(body), (W{u"a", u" ", u"b", u"a"}));
  EXPECT_EQ(textsBackward(body), texts(body));
}

// A source that hands out the given texts, two per fill. Token texts are
// views, so the texts outlive the source, which goes once it is spent.
class Texts : public CTokenStream::Source {
public:
  explicit Texts(std::vector<const char16_t*> texts) : texts(std::move(texts)) {}
  bool fill(CTokenStream& stream, CTokenIterator at) override {
    if (next == texts.size())
      return false;
    for (int i = 0; i < 2 && next < texts.size(); ++i) {
      Token* t = stream.locals.make();
      t->kind = _ident;
      t->setText(texts[next++]);
      stream.insertBefore(at, t);
    }
    return true;
  }

private:
  std::vector<const char16_t*> texts;
  size_t next = 0;
};

// A lazy file reads like a scanned one, and a reader that gives back what it
// has read keeps a list of a few tokens however long the file is.
TEST(TokenStreamLazy, ReadsLikeAScanAndHoldsOnlyTheWorkingSet) {
  std::string text;
  for (int i = 0; i < 5000; ++i)
    text += "mov r" + std::to_string(i) + ", 1 // c\n";
  Tolvex::testing::TempFile file(text);
  CTokenStream eager(file.name());
  CTokenStreamScanner sc(new CTokenStream(file.name(), CTokenStream::Lazy{}));
  size_t longest = 0;
  CTokenIterator want = eager.begin();
  for (Token* t = sc.Scan();; t = sc.Scan(), want = want->next) {
    ASSERT_EQ(t->text(), want->text());
    ASSERT_EQ(t->kind, want->kind);
    ASSERT_EQ(t->line, want->line);
    if (t->kind == _EOF)
      break;
    sc.reclaimBefore(t);
    size_t held = 0;
    for (CTokenIterator it = sc.stream->begin(); it != sc.stream->end(); it = it->next)
      ++held;
    longest = std::max(longest, held);
  }
  EXPECT_LT(longest, 40u);
  EXPECT_LT(sc.stream->tokensMade(), 200u); // recycled tokens are made again
}

// Tokens spliced in front of the cursor while a source still has tokens to
// give come before them, as if the source had been read whole.
TEST(TokenStreamLazy, SourcesKeepTheirPlaceAmongSplices) {
  CTokenStreamScanner sc(new CTokenStream(u"a b", 3));
  Token* a = sc.Scan();
  Token* marker = sc.stream->addSource(std::make_unique<Texts>(std::vector<const char16_t*>{u"1", u"2", u"3"}), sc.curr);
  sc.curr = sc.stream->materialize(marker);
  EXPECT_EQ(sc.Scan()->text(), u"1");
  sc.curr = sc.stream->insertCopy(sc.curr, a); // in front of "2", made already; "3" is not
  std::vector<wstring> read;
  for (Token* t = sc.Scan(); t->kind != _EOF; t = sc.Scan())
    read.push_back(wstring(t->text()));
  EXPECT_EQ(read, (W{u"a", u"2", u"3", u" ", u"b"}));
  EXPECT_EQ(textsBackward(*sc.stream), texts(*sc.stream)); // the spent marker left the list
}

// A consumed stretch leaves only its first token, flagged; the others are
// made again by the next tokens the arena hands out.
TEST(TokenStreamCollapse, KeepsTheFirstTokenAndRecyclesTheRest) {
  auto s = scanned(u"M(x) y");
  CTokenIterator name = nth(*s, 0), inner = nth(*s, 2), y = nth(*s, 5);
  s->collapse(name, y);
  EXPECT_EQ(texts(*s), (W{u"~M", u"y", u""}));
  EXPECT_EQ(textsBackward(*s), texts(*s));
  std::vector<Token*> made;
  for (int i = 0; i < 4; ++i)
    made.push_back(s->locals.make());
  EXPECT_NE(std::find(made.begin(), made.end(), inner), made.end());
  s->collapse(y, y);
  EXPECT_FALSE(y->deleted);
}

} // namespace
