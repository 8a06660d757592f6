"""Ten old carols, all long out of copyright, written out as melody and chords and arranged
for the saver's background music: ovrin1.mid to ovrin10.mid."""

import os

from arrange import Part, Tune, Verse, Arranger

# --- 1. Jingle Bells (G major, 4/4) ---------------------------------------------------------------

JINGLE_VERSE = Part(
    "D4/1 B4/1 A4/1 G4/1 | D4/3 D4/.5 D4/.5 | D4/1 B4/1 A4/1 G4/1 | E4/4 |"
    "E4/1 C5/1 B4/1 A4/1 | F#4/4 | D5/1 D5/1 C5/1 A4/1 | B4/4 |"
    "D4/1 B4/1 A4/1 G4/1 | D4/3 D4/.5 D4/.5 | D4/1 B4/1 A4/1 G4/1 | E4/3 E4/1 |"
    "E4/1 C5/1 B4/1 A4/1 | D5/1 D5/1 D5/1 D5/1 | E5/1 D5/1 C5/1 A4/1 | G4/2 D5/2",
    "G | G | G | C | C | D | D7 | G | G | G | G | C | C | D | D7 | G D7", 4)
JINGLE_CHORUS = Part(
    "B4/1 B4/1 B4/2 | B4/1 B4/1 B4/2 | B4/1 D5/1 G4/1.5 A4/.5 | B4/4 |"
    "C5/1 C5/1 C5/1.5 C5/.5 | C5/1 B4/1 B4/1 B4/.5 B4/.5 | B4/1 A4/1 A4/1 B4/1 | A4/2 D5/2 |"
    "B4/1 B4/1 B4/2 | B4/1 B4/1 B4/2 | B4/1 D5/1 G4/1.5 A4/.5 | B4/4 |"
    "C5/1 C5/1 C5/1.5 C5/.5 | C5/1 B4/1 B4/1 B4/.5 B4/.5 | D5/1 D5/1 C5/1 A4/1 | G4/4",
    "G | G | G | G | C | C G | A7 | D7 | G | G | G | G | C | C G | D7 | G", 4)

JINGLE_BELLS = Tune(
    "Jingle Bells", (4, 4), 132, (1, False), ("G | D7", 'glockenspiel'), [
        Verse(JINGLE_VERSE, 'clarinet', accomp=('piano', 'offbeat'), drums='sleigh'),
        Verse(JINGLE_CHORUS, 'trumpet', harmony='french_horn', accomp=('strings', 'pad'),
              drums='sleigh'),
        Verse(JINGLE_CHORUS, 'flute', harmony='clarinet', accomp=('glockenspiel', 'high_arp'),
              drums='sleigh', melody_octave=1),
    ])

# --- 2. We Wish You a Merry Christmas (G major, 3/4) ----------------------------------------------

WISH_A = Part(
    "D4/1 | G4/1 G4/.5 A4/.5 G4/.5 F#4/.5 | E4/1 E4/1 E4/1 | A4/1 A4/.5 B4/.5 A4/.5 G4/.5 |"
    "F#4/1 D4/1 D4/1 | B4/1 B4/.5 C5/.5 B4/.5 A4/.5 | G4/1 E4/1 D4/.5 D4/.5 | E4/1 A4/1 F#4/1 |"
    "G4/2",
    "D | G | C | A7 | D | B7 | Em | C D7 D7 | G", 3, pickup=1)
WISH_B = Part(
    "D4/1 | G4/1 G4/1 G4/1 | F#4/2 F#4/1 | G4/1 F#4/1 E4/1 | D4/2 A4/1 |"
    "B4/1 A4/1 G4/1 | D5/1 D4/1 D4/.5 D4/.5 | E4/1 A4/1 F#4/1 | G4/2",
    "D | G | D | C D Em | D | G D G | G | C D7 D7 | G", 3, pickup=1)

WE_WISH = Tune(
    "We Wish You a Merry Christmas", (3, 4), 160, (1, False), ("G | D7", 'celesta'), [
        Verse(WISH_A, 'trumpet', accomp=('piano', 'offbeat'), bass=('acoustic_bass', 'walk'),
              drums='shaker'),
        Verse(WISH_B, 'oboe', harmony='clarinet', accomp=('pizzicato', 'offbeat')),
        Verse(WISH_A, 'brass', harmony='french_horn', accomp=('strings', 'pad'), drums='shaker'),
        Verse(WISH_A, 'flute', harmony='oboe', accomp=('celesta', 'high_arp'), transpose=2),
        Verse(WISH_B, 'clarinet', harmony='bassoon', accomp=('pizzicato', 'offbeat'),
              transpose=2),
        Verse(WISH_A, 'trumpet', harmony='trombone', accomp=('strings', 'pad'), drums='shaker',
              transpose=2),
    ])

# --- 3. Deck the Halls (F major, 4/4) ---------------------------------------------------------------

DECK_LINE = ("C5/1.5 Bb4/.5 A4/1 G4/1 | F4/1 G4/1 A4/1 F4/1 |"
             " G4/.5 A4/.5 Bb4/.5 G4/.5 A4/1.5 G4/.5 | F4/1 E4/1 F4/2")
DECK = Part(
    DECK_LINE + " | " + DECK_LINE + " |"
    "G4/1.5 A4/.5 Bb4/1 G4/1 | A4/1.5 Bb4/.5 C5/1 G4/1 | A4/.5 B4/.5 C5/1 D5/.5 E5/.5 F5/1 |"
    "E5/1 D5/1 C5/2 | C5/1.5 Bb4/.5 A4/1 G4/1 | F4/1 G4/1 A4/1 F4/1 |"
    "D5/.5 D5/.5 D5/.5 D5/.5 C5/1.5 Bb4/.5 | A4/1 G4/1 F4/2",
    "F | F | C7 F | F C7 F F | F | F | C7 F | F C7 F F |"
    "C7 | F C | F G7 | C G C C | F | F | Bb C7 | F C7 F F", 4)

DECK_THE_HALLS = Tune(
    "Deck the Halls", (4, 4), 126, (-1, False), ("F | C7", 'harp'), [
        Verse(DECK, 'recorder', accomp=('harp', 'arp'), drums='triangle'),
        Verse(DECK, 'violin', harmony='cello', accomp=('piano', 'offbeat'), drums='shaker'),
        Verse(DECK, 'choir', harmony='strings', accomp=('glockenspiel', 'high_arp'),
              drums='shaker', transpose=1),
    ])

# --- 4. O Christmas Tree (F major, 3/4) ------------------------------------------------------------

TREE_A = ("F4/.75 F4/.25 F4/1.5 G4/.5 | A4/.75 A4/.25 A4/1.5 A4/.5 |"
          " G4/.5 A4/.5 Bb4/1 E4/1")
TREE = Part(
    "C4/1 | " + TREE_A + " | G4/1 F4/1 C4/1 | " + TREE_A + " | G4/1 F4/1 C5/1 |"
    "C5/.5 A4/.5 D5/1.5 C5/.5 | C5/.5 Bb4/.5 Bb4/1.5 Bb4/.5 | Bb4/.5 G4/.5 C5/1.5 Bb4/.5 |"
    "Bb4/.5 A4/.5 A4/1 C4/1 | " + TREE_A + " | G4/1 F4/1",
    "C | F | F | C7 | C7 F F | F | F | C7 | C7 F F |"
    "F Bb Bb | C7 | C7 | F F C7 | F | F | C7 | C7 F", 3, pickup=1)

O_CHRISTMAS_TREE = Tune(
    "O Christmas Tree", (3, 4), 96, (-1, False), ("F | C7", 'music_box'), [
        Verse(TREE, 'music_box', accomp=('strings', 'pad'), bass=('acoustic_bass', 'pedal')),
        Verse(TREE, 'french_horn', harmony='bassoon', accomp=('harp', 'arp'),
              drums='triangle'),
        Verse(TREE, 'slow_strings', harmony='cello', accomp=('celesta', 'high_arp'),
              bass=('acoustic_bass', 'pedal')),
    ])

# --- 5. Silent Night (C major, 6/8) -------------------------------------------------------------

NIGHT = Part(
    "G4/1.5 A4/.5 G4/1 | E4/3 | G4/1.5 A4/.5 G4/1 | E4/3 | D5/2 D5/1 | B4/3 | C5/2 C5/1 |"
    "G4/3 | A4/2 A4/1 | C5/1.5 B4/.5 A4/1 | G4/1.5 A4/.5 G4/1 | E4/3 | A4/2 A4/1 |"
    "C5/1.5 B4/.5 A4/1 | G4/1.5 A4/.5 G4/1 | E4/3 | D5/2 D5/1 | F5/1.5 D5/.5 B4/1 | C5/3 |"
    "E5/3 | C5/1.5 G4/.5 E4/1 | G4/1.5 F4/.5 D4/1 | C4/3 | r/3",
    "C | C | C | C | G7 | G7 | C | C | F | F | C | C | F | F | C | C | G7 | G7 | C | C |"
    "C | G7 | C | C", 3)

SILENT_NIGHT = Tune(
    "Silent Night", (6, 8), 92, (0, False), ("C | G7", 'harp'), [
        Verse(NIGHT, 'flute', accomp=('harp', 'arp'), bass=('acoustic_bass', 'pedal')),
        Verse(NIGHT, 'choir', harmony='slow_strings', accomp=('celesta', 'high_arp'),
              bass=('acoustic_bass', 'pedal')),
    ])

# --- 6. Joy to the World (D major, 2/4) -----------------------------------------------------------

JOY = Part(
    "D5/1 C#5/.75 B4/.25 | A4/1.5 G4/.5 | F#4/1 E4/1 | D4/1.5 A4/.5 | B4/1.5 B4/.5 |"
    "C#5/1.5 C#5/.5 | D5/1.5 D5/.5 | D5/.5 C#5/.5 B4/.5 A4/.5 | A4/.75 G4/.25 F#4/.5 D5/.5 |"
    "D5/.5 C#5/.5 B4/.5 A4/.5 | A4/.75 G4/.25 F#4/.5 F#4/.5 |"
    "F#4/.5 F#4/.5 F#4/.5 F#4/.25 G4/.25 | A4/1.5 G4/.25 F#4/.25 |"
    "E4/.5 E4/.5 E4/.5 E4/.25 F#4/.25 | G4/1.5 F#4/.25 E4/.25 | D4/.5 D5/1 B4/.5 |"
    "A4/.75 G4/.25 F#4/.5 G4/.5 | F#4/1 E4/1 | D4/2",
    "D | D | D A7 | D | G | A | D | D | A7 D | D | A7 D | D | D | A7 | A7 | D G | D A7 |"
    "D A7 | D", 2)

JOY_TO_THE_WORLD = Tune(
    "Joy to the World", (2, 4), 104, (2, False), ("D | A7", 'tubular_bells'), [
        Verse(JOY, 'trumpet', harmony='trombone', accomp=('strings', 'pad')),
        Verse(JOY, 'organ', harmony='organ', accomp=('strings', 'pad'), bass=('acoustic_bass',
                                                                               'walk')),
        Verse(JOY, 'brass', harmony='french_horn', accomp=('glockenspiel', 'high_arp'),
              drums='triangle'),
        Verse(JOY, 'trumpet', harmony='french_horn', accomp=('strings', 'pad'), transpose=2,
              drums='triangle'),
    ])

# --- 7. God Rest Ye Merry Gentlemen (E minor, 4/4) -----------------------------------------------

REST_LINE = "E4/1 B4/1 B4/1 A4/1 | G4/1 F#4/1 E4/1 D4/1 | E4/1 F#4/1 G4/1 A4/1"
REST = Part(
    "E4/1 | " + REST_LINE + " | B4/3 E4/1 | " + REST_LINE + " | B4/3 B4/1 |"
    "C5/1 A4/1 B4/1 C5/1 | D5/1 E5/1 B4/1 A4/1 | G4/1 E4/1 F#4/1 G4/1 | A4/2 G4/1 A4/1 |"
    "B4/2 C5/1 B4/1 | B4/1 A4/1 G4/1 F#4/1 | E4/2 G4/1 F#4/1 | E4/1 A4/1 G4/1 A4/1 |"
    "B4/1 C5/1 D5/1 E5/1 | B4/1 A4/1 G4/1 F#4/1 | E4/3",
    "Em | Em Em Em D | C B7 Em D | C D Em D | B7 B7 B7 Em | Em Em Em D | C B7 Em D |"
    "C D Em D | B7 B7 B7 Em | Am Am Em Am | G C Em D | Em C D Em | D D C D | Em Em Am Em |"
    "Em D Em B7 | Em Em Em B7 | Em Am C D | Em Am G C | Em D Em B7 | Em", 4, pickup=1)

GOD_REST_YE = Tune(
    "God Rest Ye Merry Gentlemen", (4, 4), 116, (1, True), ("Em | B7", 'harp'), [
        Verse(REST, 'oboe', harmony='bassoon', accomp=('harp', 'arp')),
        Verse(REST, 'brass', harmony='french_horn', accomp=('strings', 'pad'), drums='shaker'),
    ])

# --- 8. Good King Wenceslas (G major, 4/4) -------------------------------------------------------

KING_LINE = "G4/1 G4/1 G4/1 A4/1 | G4/1 G4/1 D4/2 | E4/1 D4/1 E4/1 F#4/1 | G4/2 G4/2"
KING = Part(
    KING_LINE + " | " + KING_LINE + " |"
    "D5/1 C5/1 B4/1 A4/1 | B4/1 A4/1 G4/2 | E4/1 D4/1 E4/1 F#4/1 | G4/2 G4/2 |"
    "D4/1 D4/1 E4/1 F#4/1 | G4/1 G4/1 A4/2 | D5/1 C5/1 B4/1 A4/1 | G4/2 C5/2 | G4/4",
    "G | G | C G C D | G | G | G | C G C D | G |"
    "G G G D | G D G G | C G C D | G | G G C D | G G D D | G C G D | G C | G", 4)

GOOD_KING = Tune(
    "Good King Wenceslas", (4, 4), 120, (1, False), ("G | D7", 'tubular_bells'), [
        Verse(KING, 'recorder', accomp=('nylon_guitar', 'arp'), drums='triangle'),
        Verse(KING, 'accordion', harmony='clarinet', accomp=('pizzicato', 'offbeat'),
              drums='shaker'),
        Verse(KING, 'trumpet', harmony='french_horn', accomp=('strings', 'pad'),
              drums='shaker', transpose=2),
    ])

# --- 9. The First Noel (D major, 3/4) ---------------------------------------------------------------

NOEL_LINE = ("D4/1.5 E4/.5 F#4/.5 G4/.5 | A4/2 B4/.5 C#5/.5 | D5/1 C#5/1 B4/1 |"
             " A4/2 B4/.5 C#5/.5 | D5/1 C#5/1 B4/1 | A4/1 B4/1 C#5/1 | D5/1 A4/1 G4/1 |"
             " F#4/2 F#4/.5 E4/.5")
NOEL_CHORDS = "D | D D A | D A G | D D A | D A G | D G A | Bm D A7 | D D A"
NOEL = Part(
    "F#4/.5 E4/.5 | " + NOEL_LINE + " | " + NOEL_LINE + " |"
    "D4/1.5 E4/.5 F#4/.5 G4/.5 | A4/2 D5/.5 C#5/.5 | B4/2 B4/1 | A4/3 | D5/1 C#5/1 B4/1 |"
    "A4/1 B4/1 C#5/1 | D5/1 A4/1 G4/1 | F#4/2",
    "D | " + NOEL_CHORDS + " | " + NOEL_CHORDS + " | D | D D A | G | D | D A G | D G A |"
    "Bm D A7 | D", 3, pickup=1)

FIRST_NOEL = Tune(
    "The First Noel", (3, 4), 112, (2, False), ("D | A7", 'celesta'), [
        Verse(NOEL, 'flute', harmony='clarinet', accomp=('harp', 'arp'),
              bass=('acoustic_bass', 'walk')),
        Verse(NOEL, 'choir', harmony='strings', accomp=('celesta', 'high_arp'),
              bass=('acoustic_bass', 'walk'), drums='triangle'),
    ])

# --- 10. Hark! The Herald Angels Sing (G major, 4/4) -----------------------------------------------

HARK = Part(
    "D4/1 G4/1 G4/1.5 F#4/.5 | G4/1 B4/1 B4/1 A4/1 | D5/1 D5/1 D5/1.5 C5/.5 | B4/1 A4/1 B4/2 |"
    "D4/1 G4/1 G4/1.5 F#4/.5 | G4/1 B4/1 B4/1 A4/1 | D5/1 A4/1 A4/1.5 F#4/.5 | F#4/1 E4/1 D4/2 |"
    "D5/1 D5/1 D5/1 G4/1 | C5/1 B4/1 B4/1 A4/1 | D5/1 D5/1 D5/1 G4/1 | C5/1 B4/1 B4/1 A4/1 |"
    "E5/1 E5/1 E5/1 D5/1 | C5/1 B4/1 C5/2 | A4/1 B4/.5 C5/.5 D5/1.5 G4/.5 | G4/1 A4/1 B4/2 |"
    "E5/1 E5/1 E5/1 D5/1 | C5/1 B4/1 C5/2 | A4/1 B4/.5 C5/.5 D5/1.5 G4/.5 | G4/1 A4/1 G4/2",
    "G G G D | G G Em D | G G G D7 | G D G G | G G G D | G G Em D | D | D A7 D D |"
    "G | C G G D | G | C G G D | C C C G | Am G C C | D D G G | C D G G |"
    "C C C G | Am G C C | D D G G | C D G G", 4)

HARK_THE_HERALD = Tune(
    "Hark! The Herald Angels Sing", (4, 4), 112, (1, False), ("G | D7", 'tubular_bells'), [
        Verse(HARK, 'brass', harmony='french_horn', accomp=('strings', 'pad')),
        Verse(HARK, 'choir', harmony='organ', accomp=('harp', 'arp'), drums='triangle',
              transpose=1),
    ])

TUNES = [JINGLE_BELLS, WE_WISH, DECK_THE_HALLS, O_CHRISTMAS_TREE, SILENT_NIGHT,
         JOY_TO_THE_WORLD, GOD_REST_YE, GOOD_KING, FIRST_NOEL, HARK_THE_HERALD]


def write_all(folder):
    for n, tune in enumerate(TUNES, start=1):
        data, secs = Arranger(tune).build()
        if not 40 <= secs <= 120:
            raise ValueError('%s lasts %.1f s' % (tune.title, secs))
        with open(os.path.join(folder, 'ovrin%d.mid' % n), 'wb') as f:
            f.write(data)
        print('  ovrin%d.mid  %-32s %5.1f s' % (n, tune.title, secs))
