/* Runs the layout library of a phone header (-DHEADER="file.h", drawing function phone_draw)
   over messages read from the file argv[1]: each is a line "picture paragraphs length",
   then its bytes. Prints "Bildanzahl: N" per message, then "X Y" for every dot. */
#include <stdio.h>

#include HEADER

static void dot(int16_t x, int16_t y, void *print)
{
    if (print)
        printf("%d %d\n", x, y);
}

int main(int argc, char **argv)
{
    static uint8_t text[65536];
    int picture, paragraphs;
    unsigned length;
    FILE *in = argc > 1 ? fopen(argv[1], "rb") : NULL;
    if (!in)
        return 1;
    while (fscanf(in, "%d %d %u", &picture, &paragraphs, &length) == 3 && fgetc(in) == '\n' &&
           length < sizeof text && fread(text, 1, length, in) == length) {
        /* The count first: a first run that prints nothing. */
        printf("Bildanzahl: %d\n", phone_draw(text, (uint16_t)length, (int16_t)picture,
                                              paragraphs, dot, NULL));
        phone_draw(text, (uint16_t)length, (int16_t)picture, paragraphs, dot, text);
    }
    return 0;
}
