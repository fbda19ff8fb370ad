# Keeps, of the music font's metadata, what the programs read: the engraving defaults and the
# boxes and anchors of the glyphs they draw. The whole file is 700 KB of JSON; its subset is a
# few kilobytes, read in well under a millisecond when the first staff is drawn.
#
#   cmake -DINPUT=metadata.json -DOUTPUT=subset.json -DGLYPHS="noteheadBlack;gClef" -P SubsetMetadata.cmake
foreach(variable INPUT OUTPUT GLYPHS)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "SubsetMetadata.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${INPUT}" metadata)
string(JSON font_name GET "${metadata}" fontName)
string(JSON defaults GET "${metadata}" engravingDefaults)

set(boxes "{}")
set(anchors "{}")
foreach(glyph IN LISTS GLYPHS)
    string(JSON box ERROR_VARIABLE missing GET "${metadata}" glyphBBoxes ${glyph})
    if(missing)
        message(FATAL_ERROR "${INPUT} gives no box for the glyph ${glyph}")
    endif()
    string(JSON boxes SET "${boxes}" ${glyph} "${box}")
    string(JSON glyph_anchors ERROR_VARIABLE missing GET "${metadata}" glyphsWithAnchors ${glyph})
    if(NOT missing)
        string(JSON anchors SET "${anchors}" ${glyph} "${glyph_anchors}")
    endif()
endforeach()

set(subset "{}")
string(JSON subset SET "${subset}" fontName "\"${font_name}\"")
string(JSON subset SET "${subset}" engravingDefaults "${defaults}")
string(JSON subset SET "${subset}" glyphBBoxes "${boxes}")
string(JSON subset SET "${subset}" glyphsWithAnchors "${anchors}")
file(WRITE "${OUTPUT}.new" "${subset}\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
