/* A small C file to search. */
#include <stdio.h>

int main(void) {
    // needle: look here
    printf("haystack\n");
    return 0;
}
