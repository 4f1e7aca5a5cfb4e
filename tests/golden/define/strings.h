// A string or a character constant keeps its text inside the equate's < >, where '!', '<' and
// '>' each follow a '!'.
#define IMAGE_ARCHIVE_START "!<arch>\n"
#define MD_INSERT_PATH_STRINGA "<%INSERT_PATH%>"
#define PLAIN "text"
#define SND_ALIAS_SYSTEMEXCLAMATION sndAlias('S','!')
