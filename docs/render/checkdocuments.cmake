# Checks the help documents the build rendered: each is an A4 PDF whose every
# page carries its number ("3 из 12") and whose text, read back by pdftotext,
# holds the Russian headings it must have; whose every font is the body
# font's family (no glyph taken from a fallback font); and none of whose
# lines ends in a one-letter preposition or conjunction. Run with cmake -P and
#   -DDOC_DIR=<documents folder> -DPDFINFO=<pdfinfo> -DPDFTOTEXT=<pdftotext>
#   -DPDFFONTS=<pdffonts>

cmake_minimum_required(VERSION 3.25)

if(NOT PDFINFO OR NOT PDFTOTEXT OR NOT PDFFONTS)
  message(FATAL_ERROR "pdfinfo and pdftotext (package poppler-utils) are needed")
endif()

# Document, then texts its extracted text must contain, separated by "|".
set(expectations
  "spravka|Установка и силы, действующие на груз|Закон Амонтона — Кулона|Зона застоя|Сухое трение и вязкое|Фазовый портрет|tau_0|П_end"
  "spravka2|Задача 1|Задача 6|dryfriction-table|Ответы"
  "laboratornaya|Лабораторная работа|Ход работы|Обработка результатов|Контрольные вопросы"
  "Coulomb|Кулон"
  "Amontons|Амонтон"
  "uprav|ПУСК|СТОП|ПАУЗА|ДАЛЬШЕ|Пауза и шкала времени|Замедление|Масса должна быть больше нуля! Не вводите заново, а исправьте!|фазовый портрет|Значения под указателем|Сохранить данные")

set(failures "")

# A word's last letter, then a one-letter word at the end of a line (a unit
# after a number, a symbol or a comma, "… с" or "Время, с", is not a
# preposition).
set(letters а б в г д е ё ж з и й к л м н о п р с т у ф х ц ч ш щ ъ ы ь э ю я)
list(JOIN letters "|" letter)
set(hanging_word "(${letter}) (в|к|с|о|у|и|а|я|В|К|С|О|У|И|А|Я)\n")
string(ASCII 12 form_feed)
foreach(entry IN LISTS expectations)
  string(REPLACE "|" ";" parts "${entry}")
  list(POP_FRONT parts name)
  set(pdf ${DOC_DIR}/${name}.pdf)
  if(NOT EXISTS ${pdf})
    string(APPEND failures "\n${name}.pdf was not built")
    continue()
  endif()

  execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    string(APPEND failures "\n${name}.pdf: pdfinfo cannot read it")
    continue()
  endif()
  if(NOT info MATCHES "Page size: +595(\\.[0-9]+)? x 84[12](\\.[0-9]+)? pts \\(A4\\)")
    string(APPEND failures "\n${name}.pdf: not A4 portrait")
  endif()
  string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
  set(pages ${CMAKE_MATCH_1})

  execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    string(APPEND failures "\n${name}.pdf: pdftotext cannot read it")
    continue()
  endif()
  # pdftotext ends each page with a form feed: every page has text and its
  # number. (Semicolons would split the list of pages, so they go first.)
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "${form_feed}" ";" page_texts "${text}")
  foreach(page RANGE 1 ${pages})
    math(EXPR index "${page} - 1")
    list(GET page_texts ${index} page_text)
    if(NOT page_text MATCHES "(^|\n)${page} из ${pages}\n")
      string(APPEND failures "\n${name}.pdf: page ${page} does not carry \"${page} из ${pages}\"")
    endif()
    string(REGEX REPLACE "[0-9]+ из [0-9]+" "" page_body "${page_text}")
    if(NOT page_body MATCHES "(о|е|а|и)")
      string(APPEND failures "\n${name}.pdf: page ${page} has no Russian text")
    endif()
  endforeach()
  string(REGEX MATCHALL "[^\n]*${hanging_word}" hanging "${text}")
  foreach(line IN LISTS hanging)
    string(STRIP "${line}" line)
    string(APPEND failures "\n${name}.pdf: a line ends in a one-letter word: \"${line}\"")
  endforeach()

  execute_process(COMMAND ${PDFFONTS} ${pdf} OUTPUT_VARIABLE fonts RESULT_VARIABLE rc)
  string(REGEX MATCHALL "\n[^ \n]+ +CID" font_lines "${fonts}")
  foreach(font IN LISTS font_lines)
    string(REGEX REPLACE "[ \n]+CID|\n" "" font "${font}")
    if(NOT font MATCHES "^Liberation(Serif|Mono)")
      string(APPEND failures "\n${name}.pdf: glyphs from ${font}, not from the body font")
    endif()
  endforeach()

  # Lines of a paragraph or a table cell break anywhere.
  string(REGEX REPLACE "[ \n]+" " " flat_text "${text}")
  foreach(expected IN LISTS parts)
    string(FIND "${flat_text}" "${expected}" at)
    if(at EQUAL -1)
      string(APPEND failures "\n${name}.pdf: no \"${expected}\" in its text")
    endif()
  endforeach()
  message(STATUS "${name}.pdf: ${pages} pages")
endforeach()

if(failures)
  message(FATAL_ERROR "help documents:${failures}")
endif()
