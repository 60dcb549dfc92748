/* The floor the start benchmark compares the player with: a process that
   reads a story file with one sized read and looks at every byte of it once
   (memchr for the location markers), then prints one line. Nothing a player
   of the story does can be cheaper.

   With --peak FILE PROGRAM ARGS... it instead runs the program and writes
   its peak resident memory in kilobytes to FILE. A process started straight
   from the benchmark would report the benchmark's own peak: the kernel
   carries it over from the moment before the program replaced it. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

static int scan(const char* path) {
    int fd = open(path, O_RDONLY);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) return 1;
    size_t size = (size_t)info.st_size;
    char* bytes = malloc(size + 1);
    if (!bytes || read(fd, bytes, size) != (ssize_t)size) return 1;
    close(fd);
    size_t markers = 0;
    for (const char* at = bytes; (at = memchr(at, '<', (size_t)(bytes + size - at))) != NULL; ++at)
        ++markers;
    printf("{\"markers\":%zu}\n", markers);
    free(bytes);
    return 0;
}

static int peak(const char* file, char** program) {
    pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
        execv(program[0], program);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (wait4(child, &status, 0, &usage) != child) return 1;
    FILE* out = fopen(file, "w");
    if (!out) return 1;
    fprintf(out, "%ld\n", usage.ru_maxrss);
    return fclose(out) != 0;
}

int main(int argc, char** argv) {
    if (argc == 2) return scan(argv[1]);
    if (argc >= 4 && strcmp(argv[1], "--peak") == 0) return peak(argv[2], argv + 3);
    return 2;
}
