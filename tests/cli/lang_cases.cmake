# rq51-cli --lang: the window's texts in English where it is asked for, with
# any command and anywhere on the line; without it, or with --lang ja, the
# output is the same as ever; a file saved in English is the one saved in
# Japanese. A build without Qt refuses every language but Japanese.

set(lang_dir "${CMAKE_CURRENT_BINARY_DIR}/cli-lang-cases")
file(REMOVE_RECURSE "${lang_dir}")
file(MAKE_DIRECTORY "${lang_dir}")
set(scramble "R U F' D2 L B")

execute_process(COMMAND "${CLI}" --lang en --version RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(status EQUAL 2 AND err MATCHES "without Qt")
  expect_cli(NAME "--lang en without Qt"
             ARGS solve --window lb --scramble "${scramble}" CES --lang en
             EXPECT_STATUS 2
             EXPECT_STDOUT_EMPTY
             EXPECT_STDERR_CONTAINS "Japanese (ja) only"
             EXPECT_STDERR_LINES 1)
  return()
endif()

execute_process(COMMAND "${CLI}" solve --window lb --scramble "${scramble}" CES
                        --save "${lang_dir}/ja.rq51"
                RESULT_VARIABLE status OUTPUT_VARIABLE japanese)
execute_process(COMMAND "${CLI}" --lang ja solve --window lb --scramble "${scramble}" CES
                RESULT_VARIABLE status_ja OUTPUT_VARIABLE japanese_again)
execute_process(COMMAND "${CLI}" solve --window lb --scramble "${scramble}" CES --lang en
                        --save "${lang_dir}/en.rq51"
                RESULT_VARIABLE status_en OUTPUT_VARIABLE english)
set(problems "")
if(NOT status EQUAL 0 OR NOT status_ja EQUAL 0 OR NOT status_en EQUAL 0)
  string(APPEND problems "  status ${status}, --lang ja ${status_ja}, --lang en ${status_en}\n")
endif()
if(NOT japanese_again STREQUAL japanese)
  string(APPEND problems "  --lang ja printed otherwise:\n${japanese_again}\n")
endif()
if(NOT japanese MATCHES "^Label4\t正しい配置と思われます。次ステップへ移って下さい。\n")
  string(APPEND problems "  Label4 in Japanese changed:\n${japanese}\n")
endif()
if(NOT english MATCHES "^Label4\tThe arrangement looks right[^\n]*\nListBox1\t")
  string(APPEND problems "  --lang en: Label4 is not English:\n${english}\n")
endif()
string(REGEX MATCH "\nnet\t[^\n]*\nhomes\t[^\n]*\nsolved\tyes\n$" tail_ja "${japanese}")
string(REGEX MATCH "\nnet\t[^\n]*\nhomes\t[^\n]*\nsolved\tyes\n$" tail_en "${english}")
if(tail_ja STREQUAL "" OR NOT tail_en STREQUAL tail_ja)
  string(APPEND problems "  --lang en changed the net, the homes or the verdict\n")
endif()
file(READ "${lang_dir}/ja.rq51" saved_ja)
file(READ "${lang_dir}/en.rq51" saved_en)
if(NOT saved_en STREQUAL saved_ja)
  string(APPEND problems "  the file saved in English differs from the one saved in Japanese\n")
endif()
report_case("--lang en against Japanese" "${problems}" "")

expect_cli(NAME "--lang en, a refused cube"
           ARGS --lang en solve --window cf --cube GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG
           EXPECT_STDOUT_CONTAINS "Label4\tWrong arrangement." "fault\tcolours\t")
expect_cli(NAME "--lang=en with render's place"
           ARGS render --window lb --scramble "${scramble}" CES --at 3 --lang=en
                --out "${lang_dir}/cube.png"
           EXPECT_STDOUT_CONTAINS " turns\n"
           EXPECT_STDOUT_LINES 1)
expect_cli(NAME "--lang of no language"
           ARGS solve --window lb --scramble "${scramble}" --lang xx
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_CONTAINS "--lang xx: not a language rq51-cli speaks (ja, en)"
           EXPECT_STDERR_LINES 1)
expect_cli(NAME "--lang without a code"
           ARGS explore Rx --lang
           EXPECT_STATUS 2
           EXPECT_STDOUT_EMPTY
           EXPECT_STDERR_CONTAINS "--lang needs a value"
           EXPECT_STDERR_LINES 1)
