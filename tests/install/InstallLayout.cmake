# Installs the build under an unusual prefix into a scratch DESTDIR, then
# checks that the result is a desktop program: every file in its place, the
# programs reached through bin/ finding their defaults, the desktop file,
# AppStream data and man pages passing their tools, and the shell completion
# offering the options and the names `ordovan-plan --list` prints.
# Every failure is reported; the test fails when there was any.

cmake_minimum_required(VERSION 3.25)

set(appId io.github.quillfeather.Ordovan)
set(prefix /opt/ordovan)
set(destdir ${WORK_DIR}/root)
set(root ${destdir}${prefix})
set(home ${WORK_DIR}/home)

# Runs a command with a fresh home and the installed bin/ first on the PATH;
# fails the test unless it exits with 0. Sets `output` in the caller.
function(run)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME --unset=XDG_CONFIG_HOME --unset=NO_COLOR
      HOME=${home} "PATH=${root}/bin:$ENV{PATH}" LC_ALL=C MANPAGER=cat MANWIDTH=80 ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "`${ARGN}` failed (${result}):\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
  set(errors "${err}" PARENT_SCOPE)
endfunction()

function(expect_file path)
  if(NOT EXISTS ${root}/${path} OR IS_DIRECTORY ${root}/${path})
    message(SEND_ERROR "not installed: ${prefix}/${path}")
  endif()
endfunction()

# A relative link, so that the layout survives any prefix and DESTDIR.
function(expect_program_link program)
  set(link ${root}/bin/${program})
  if(NOT IS_SYMLINK ${link})
    message(SEND_ERROR "bin/${program} is not a link to the program")
    return()
  endif()
  file(READ_SYMLINK ${link} target)
  file(REAL_PATH ${link} resolved)
  file(REAL_PATH ${root}/${PROGRAMDIR}/${program} program)
  if(IS_ABSOLUTE "${target}" OR NOT resolved STREQUAL program)
    message(SEND_ERROR "bin/${program} points to ${target}, not to ${PROGRAMDIR}/${program}")
  endif()
endfunction()

# The folder an icon lies in names its size; the PNG header holds the real one.
function(expect_icon size)
  set(icon share/icons/hicolor/${size}x${size}/apps/${appId}.png)
  expect_file(${icon})
  if(NOT EXISTS ${root}/${icon})
    return()
  endif()
  file(READ ${root}/${icon} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 widthHex)
  string(SUBSTRING "${header}" 8 8 heightHex)
  math(EXPR width "0x${widthHex}")
  math(EXPR height "0x${heightHex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(SEND_ERROR "${icon} is ${width}x${height}")
  endif()
endfunction()

# Lists what the completion offers for the words of a command line, the last
# one being completed. Sets `offered` in the caller. The script has no
# semicolons, which would split it into several arguments here.
function(complete)
  list(LENGTH ARGN count)
  list(JOIN ARGN "' '" words)
  run(bash -c "source '${root}/share/bash-completion/completions/ordovan-plan'
    COMP_WORDS=('${words}')
    COMP_CWORD=$((${count} - 1))
    _ordovan_plan
    printf '%s\\n' \"\${COMPREPLY[@]}\"")
  string(REPLACE "\n" ";" lines "${output}")
  list(REMOVE_ITEM lines "")
  list(SORT lines)
  set(offered "${lines}" PARENT_SCOPE)
endfunction()

function(expect_offered what expected)
  list(SORT expected)
  if(NOT offered STREQUAL expected)
    message(SEND_ERROR "completion of ${what} offers '${offered}', expected '${expected}'")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${home})
run(${CMAKE_COMMAND} -E env DESTDIR=${destdir} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(program ordovan ordovan-plan)
  expect_file(${PROGRAMDIR}/${program})
  expect_program_link(${program})
  expect_file(share/man/man1/${program}.1)
endforeach()
foreach(path ordovan.cfg docs/help/index.html docs/Readme.txt)
  expect_file(${PROGRAMDIR}/${path})
endforeach()
foreach(path applications/${appId}.desktop metainfo/${appId}.metainfo.xml
    icons/hicolor/scalable/apps/${appId}.svg bash-completion/completions/ordovan-plan)
  expect_file(share/${path})
endforeach()
foreach(size 16 22 24 32 48 64 128 256)
  expect_icon(${size})
endforeach()

run(desktop-file-validate ${root}/share/applications/${appId}.desktop)
run(appstreamcli validate --no-net ${root}/share/metainfo/${appId}.metainfo.xml)

# Both versions come from the programs through their links, with no data yet.
run(ordovan --version)
set(windowVersion "${output}")
run(ordovan-plan --version)
if(NOT output STREQUAL windowVersion OR NOT output MATCHES "^Ordovan Version [0-9]")
  message(SEND_ERROR "the installed programs say '${windowVersion}' and '${output}'")
endif()

# On a fresh account ordovan-plan plans on the sample beside its real file.
run(ordovan-plan --config ${SAMPLE} --list)
set(sampleList "${output}")
run(ordovan-plan --list)
if(NOT output STREQUAL sampleList OR sampleList STREQUAL "")
  message(SEND_ERROR "the installed ordovan-plan does not read the defaults beside it:\n${output}")
endif()

# Every option the program names is described and completed.
run(ordovan-plan --help)
string(REGEX MATCHALL "--[a-z-]+" options "${output}")
list(REMOVE_DUPLICATES options)
run(man --warnings -l ${root}/share/man/man1/ordovan-plan.1)
set(planPage "${output}")
if(NOT errors STREQUAL "")
  message(SEND_ERROR "ordovan-plan(1) renders with warnings:\n${errors}")
endif()
complete(ordovan-plan --)
foreach(option ${options})
  string(FIND "${planPage}" "${option}" found)
  if(found EQUAL -1)
    message(SEND_ERROR "ordovan-plan(1) does not describe ${option}")
  endif()
  if(NOT option IN_LIST offered)
    message(SEND_ERROR "the completion does not offer ${option}")
  endif()
endforeach()
run(man --warnings -l ${root}/share/man/man1/ordovan.1)
if(NOT errors STREQUAL "" OR NOT output MATCHES "NAME[ \n]+ordovan +- +compute")
  message(SEND_ERROR "ordovan(1) does not render cleanly:\n${output}${errors}")
endif()

# Person and profile names come from --list of the data the line names; a name
# with a space is offered as one word.
file(READ ${SAMPLE} sample)
string(REGEX MATCH "\n\t<([^\n/>]+)>" firstPerson "${sample}")
set(person "${CMAKE_MATCH_1}")
string(REPLACE "<${person}>" "<${person} Maria>" renamed "${sample}")
string(REPLACE "</${person}>" "</${person} Maria>" renamed "${renamed}")
file(WRITE ${WORK_DIR}/renamed.cfg "${renamed}")
run(ordovan-plan --config ${WORK_DIR}/renamed.cfg --list)
string(REPLACE "\n" ";" listed "${output}")
set(persons "")
set(profiles "")
foreach(line ${listed})
  if(line MATCHES "^  (.+)  ends ")
    if(current STREQUAL "${person} Maria")
      string(REPLACE " " "\\ " quoted "${CMAKE_MATCH_1}")
      list(APPEND profiles "${quoted}")
    endif()
  else()
    set(current "${line}")
    string(REPLACE " " "\\ " quoted "${line}")
    list(APPEND persons "${quoted}")
  endif()
endforeach()
complete(ordovan-plan --config ${WORK_DIR}/renamed.cfg --profile "")
expect_offered("persons" "${persons}")
complete(ordovan-plan --seed 1 --config ${WORK_DIR}/renamed.cfg --profile "${person}\\ Maria" "")
expect_offered("the profiles of '${person} Maria'" "${profiles}")
if(profiles STREQUAL "")
  message(SEND_ERROR "'${person} Maria' has no profiles to complete")
endif()
