# SPDX-License-Identifier: GPL-3.0-or-later
# tavolin_add_test(<name> SOURCES <files...> LIBS <targets...>)
#
# One QtTest executable, registered with CTest. Tests never need a display:
# the offscreen platform is set here, not by whoever runs them.
function(tavolin_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endfunction()

# tavolin_add_fuzz_target(<name> SOURCE <file> LIBS <targets...>)
#
# <file> defines LLVMFuzzerTestOneInput. With TAVOLIN_FUZZ (clang) it becomes
# the libFuzzer executable fuzz_<name>; in every build the checked-in corpus
# fuzz/corpus/<name> is replayed through it as the test fuzz_corpus_<name>.
function(tavolin_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE" "LIBS" ${ARGN})
  set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  if(TAVOLIN_FUZZ)
    add_executable(fuzz_${name} ${ARG_SOURCE})
    target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endif()
  add_executable(fuzz_corpus_${name} ${ARG_SOURCE} ${PROJECT_SOURCE_DIR}/fuzz/CorpusReplay.cpp)
  target_link_libraries(fuzz_corpus_${name} PRIVATE ${ARG_LIBS})
  set_target_properties(fuzz_corpus_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME fuzz_corpus_${name} COMMAND fuzz_corpus_${name} ${corpus})
  set_tests_properties(fuzz_corpus_${name} PROPERTIES TIMEOUT 300)
endfunction()
