# The spoken card names, generated with espeak-ng into WAV clips under the voice pack's resource
# names ("Ch4KVoiceEng"); tools/packgen packs them into "TarvoCVoice3.dll" beside the other
# packs. Each clip is its own build step, so the voice is made once and then kept in the build
# tree until its text or voice changes; the clips are only the pack's material, the program
# reads the pack.
#
# Included by whichever folder comes first (src/media, else tools/packgen); the clips' folder
# and list are global properties, so the pack builder finds them either way.
include_guard(GLOBAL)

find_program(OSTREL_ESPEAK espeak-ng)
if(NOT OSTREL_ESPEAK)
  message(FATAL_ERROR "espeak-ng not found: install the Debian package espeak-ng "
                      "(tools/bootstrap.sh does).")
endif()

# A fixed place in the build tree, whichever folder includes this file.
set(voice_dir ${CMAKE_BINARY_DIR}/src/media/voice)
file(MAKE_DIRECTORY ${voice_dir})

# Suits in the order of the resource prefixes Ch (hearts), Bu (diamonds), Kr (clubs), Pi
# (spades); ranks in the order 07 08 09 10 2J 3Q 4K 5A.
set(suit_prefixes Ch Bu Kr Pi)
set(rank_codes 07 08 09 10 2J 3Q 4K 5A)

# Per language: the espeak-ng voice, the suit words, the rank words and how a name is formed
# (<R> the rank word, <S> the suit word).
set(Eng_voice en-gb)
set(Eng_suits Hearts Diamonds Clubs Spades)
set(Eng_ranks Seven Eight Nine Ten Jack Queen King Ace)
set(Eng_form "<R> of <S>")
set(Rus_voice ru)
set(Rus_suits червей бубен треф пик)
set(Rus_ranks семёрка восьмёрка девятка десятка валет дама король туз)
set(Rus_form "<R> <S>")
set(Deu_voice de)
set(Deu_suits Herz Karo Kreuz Pik)
set(Deu_ranks Sieben Acht Neun Zehn Bube Dame König Ass)
set(Deu_form "<S>-<R>")
set(Fra_voice fr-fr)
set(Fra_suits cœur carreau trèfle pique)
set(Fra_ranks sept huit neuf dix valet dame roi as)
set(Fra_form "<R> de <S>")
set(Spa_voice es)
set(Spa_suits corazones diamantes tréboles picas)
set(Spa_ranks siete ocho nueve diez jota reina rey as)
set(Spa_form "<R> de <S>")
# Mandarin is written in pinyin with tone numbers for the pinyin voice.
set(Chi_voice cmn-latn-pinyin)
set(Chi_suits "hong2 tao2" "fang1 kuai4" "mei2 hua1" "hei1 tao2")
set(Chi_ranks qi1 ba1 jiu3 shi2 "jie2 ke4" "huang2 hou4" "guo2 wang2" "ai4 si1")
set(Chi_form "<S> <R>")
set(Ita_voice it)
set(Ita_suits cuori quadri fiori picche)
set(Ita_ranks sette otto nove dieci fante donna re asso)
set(Ita_form "<R> di <S>")
# Czech suits are adjectives that agree with the rank's gender: the form joins the stem, the
# ending listed with the rank and the rank word.
set(Cze_voice cs)
set(Cze_suits srdcov károv křížov pikov)
set(Cze_ranks "á sedmička" "á osmička" "á devítka" "á desítka" "ý kluk" "á dáma" "ý král" "é eso")
set(Cze_form "<S><R>")
# Japanese is written in kana.
set(Jap_voice ja)
set(Jap_suits ハート ダイヤ クラブ スペード)
set(Jap_ranks なな はち きゅう じゅう ジャック クイーン キング エース)
set(Jap_form "<S>の<R>")
set(Kor_voice ko)
set(Kor_suits 하트 다이아몬드 클로버 스페이드)
set(Kor_ranks 칠 팔 구 십 잭 퀸 킹 에이스)
set(Kor_form "<S> <R>")

set(voice_files)
foreach(lang Eng Rus Deu Fra Spa Chi Ita Cze Jap Kor)
  foreach(s RANGE 3)
    list(GET suit_prefixes ${s} prefix)
    list(GET ${lang}_suits ${s} suit_word)
    foreach(r RANGE 7)
      list(GET rank_codes ${r} code)
      list(GET ${lang}_ranks ${r} rank_word)
      string(REPLACE "<S>" "${suit_word}" text "${${lang}_form}")
      string(REPLACE "<R>" "${rank_word}" text "${text}")
      set(out ${voice_dir}/${prefix}${code}Voice${lang}.wav)
      add_custom_command(
        OUTPUT ${out}
        COMMAND ${OSTREL_ESPEAK} -v ${${lang}_voice} -s 150 -w ${out}.part ${text}
        COMMAND ${CMAKE_COMMAND} -E rename ${out}.part ${out}
        VERBATIM)
      list(APPEND voice_files ${out})
    endforeach()
  endforeach()
endforeach()

# Made when the voice pack asks for them.
add_custom_target(ostrel_voice_files DEPENDS ${voice_files}
                  COMMENT "The spoken card names are up to date")
set_property(GLOBAL PROPERTY OSTREL_VOICE_CLIP_DIR ${voice_dir})
set_property(GLOBAL PROPERTY OSTREL_VOICE_CLIPS ${voice_files})
