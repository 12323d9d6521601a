#include "cli/ArgParser.h"

#include <gtest/gtest.h>

namespace tolmeric::cli {
namespace {

CArgParser MakeParser() {
  CArgParser parser;
  parser.AddOption("output");
  parser.AddOption("script", true);
  parser.AddOption("define", true, 'D');
  parser.AddFlag("json");
  return parser;
}

TEST(ArgParser, OptionsFlagsAndOperandsInAnyOrder) {
  CArgParser parser = MakeParser();
  parser.Parse({"a.rc", "--output", "x.tra", "--script=s1.rc", "--json", "--script", "s2.rc", "b.rc",
                "--", "--not-an-option"});
  EXPECT_EQ(parser.Value("output"), "x.tra");
  EXPECT_TRUE(parser.Has("json"));
  EXPECT_EQ(parser.Values("script"), (std::vector<std::string>{"s1.rc", "s2.rc"}));
  EXPECT_EQ(parser.Operands(), (std::vector<std::string>{"a.rc", "b.rc", "--not-an-option"}));
  EXPECT_EQ(parser.Value("missing", "fallback"), "fallback");
}

TEST(ArgParser, LetterOptionsTakeTheirValueJoinedOrNext) {
  CArgParser parser = MakeParser();
  parser.Parse({"-DA=1", "-D", "B", "--define", "C", "-D", "-x"});
  EXPECT_EQ(parser.Values("define"), (std::vector<std::string>{"A=1", "B", "C", "-x"}));
}

TEST(ArgParser, ValuesMayLookLikeOptionsOrBeEmpty) {
  CArgParser parser = MakeParser();
  parser.Parse({"--output", "--json", "--script="});
  EXPECT_EQ(parser.Value("output"), "--json");
  EXPECT_FALSE(parser.Has("json"));
  EXPECT_EQ(parser.Values("script"), (std::vector<std::string>{""}));
}

TEST(ArgParser, UsageErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {"--unknown"}, {"-x"}, {"-D"}, {"--output"}, {"--json=yes"}, {"--output", "a", "--output", "b"}};
  for (const auto& args : bad) {
    CArgParser parser = MakeParser();
    EXPECT_THROW(parser.Parse(args), UsageError) << args[0];
  }
}

}  // namespace
}  // namespace tolmeric::cli
