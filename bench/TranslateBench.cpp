// Throughput of the lexer alone and of whole translations, over generated corpora
// of growing size: the time per byte must stay flat (linear work).
#include <benchmark/benchmark.h>

#include <string>

#include "app/core/Translator.h"
#include "bench/CorpusGenerator.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"

namespace {

using namespace morvane;

void BM_Lex(benchmark::State& state) {
  const std::string text = bench::generateCorpus(static_cast<std::size_t>(state.range(0)));
  SSLexTable table("c.dfa");
  std::int64_t lexemes = 0;
  for (auto _ : state) {
    SSLexStringConsumer consumer(text);
    SSLex lexer(&consumer, &table);
    while (lexer.nextLexeme()) ++lexemes;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
  state.counters["lexemes"] = benchmark::Counter(static_cast<double>(lexemes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Lex)->RangeMultiplier(4)->Range(1 << 18, 1 << 24)->Unit(benchmark::kMillisecond);

void translateText(benchmark::State& state, const std::string& text) {
  Translator translator;
  TranslationRequest request;
  request.cText = text;
  for (auto _ : state) {
    const TranslationResult result = translator.translate(request);
    if (result.status != TranslationStatus::Clean) {
      state.SkipWithError(result.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(result.pascalLines.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_TranslateCorpus(benchmark::State& state) {
  translateText(state, bench::generateCorpus(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_TranslateCorpus)->RangeMultiplier(4)->Range(1 << 18, 1 << 24)->Unit(benchmark::kMillisecond);

// One statement list of growing length: each statement_list reduction appends to
// the same text, which must stay amortised constant time.
void BM_TranslateLongFunction(benchmark::State& state) {
  translateText(state, bench::generateLongFunction(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_TranslateLongFunction)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
