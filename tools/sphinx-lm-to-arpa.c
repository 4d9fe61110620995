/* Writes the 1-grams of a Sphinx language model and the 2-grams among a given
 * vocabulary as ARPA text, for tools/make-ranking.
 *
 *   sphinx-lm-to-arpa MODEL VOCABULARY FIRST SECOND [PART PARTS] > model.arpa
 *
 * VOCABULARY holds one word a line. A 2-gram is looked for when its first word
 * is among the FIRST most probable words of the vocabulary that the model knows
 * and its second among the SECOND most probable (0: all of them). With PART and
 * PARTS only every PARTS-th first word from the PART-th (from 0) is taken, so
 * that several processes can share the work; each writes all the 1-grams.
 *
 * Debian's sphinxbase can neither list the model's 2-grams nor write it as ARPA
 * text (the writer aborts after the 1-grams), so every pair is asked for; a
 * pair that the model holds is scored by its own 2-gram, never by a back-off.
 *
 * Build: cc -O2 sphinx-lm-to-arpa.c $(pkg-config --cflags --libs sphinxbase) -lm
 */
#include <sphinxbase/err.h>
#include <sphinxbase/logmath.h>
#include <sphinxbase/ngram_model.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct word
{
    int32 id;
    int32 score;
};

struct pair
{
    int32 first, second, score;
};

static int more_probable(const void *a, const void *b)
{
    const struct word *x = a, *y = b;
    if (x->score != y->score)
        return x->score > y->score ? -1 : 1;
    return x->id < y->id ? -1 : x->id > y->id;
}

static int by_id(const void *a, const void *b)
{
    const struct word *x = a, *y = b;
    return x->id < y->id ? -1 : x->id > y->id;
}

static void *grow(void *items, size_t *capacity, size_t size)
{
    *capacity = *capacity ? *capacity * 2 : 4096;
    items = realloc(items, *capacity * size);
    if (!items) {
        fputs("sphinx-lm-to-arpa: out of memory\n", stderr);
        exit(1);
    }
    return items;
}

int main(int argc, char **argv)
{
    if (argc != 5 && argc != 7) {
        fputs("usage: sphinx-lm-to-arpa MODEL VOCABULARY FIRST SECOND [PART PARTS]\n", stderr);
        return 2;
    }
    const size_t first_limit = strtoul(argv[3], NULL, 10);
    const size_t second_limit = strtoul(argv[4], NULL, 10);
    const size_t part = argc == 7 ? strtoul(argv[5], NULL, 10) : 0;
    const size_t parts = argc == 7 ? strtoul(argv[6], NULL, 10) : 1;
    if (parts == 0 || part >= parts) {
        fputs("sphinx-lm-to-arpa: PART must be below PARTS\n", stderr);
        return 2;
    }
    err_set_logfp(NULL);
    logmath_t *lmath = logmath_init(1.0001, 0, 0);
    ngram_model_t *lm = ngram_model_read(NULL, argv[1], NGRAM_AUTO, lmath);
    if (!lm) {
        fprintf(stderr, "sphinx-lm-to-arpa: cannot read %s\n", argv[1]);
        return 1;
    }
    /* Raw probabilities: no language weight, no insertion penalty. */
    ngram_model_apply_weights(lm, 1.0, 1.0);
    const int32 unigrams = (int32)ngram_model_get_counts(lm)[0];
    const int32 unknown = ngram_unknown_wid(lm);

    FILE *list = fopen(argv[2], "r");
    if (!list) {
        fprintf(stderr, "sphinx-lm-to-arpa: cannot read %s\n", argv[2]);
        return 1;
    }
    struct word *words = NULL;
    size_t count = 0, capacity = 0;
    char *seen = calloc((size_t)unigrams, 1);
    char line[1024];
    while (fgets(line, sizeof line, list)) {
        line[strcspn(line, "\r\n")] = '\0';
        const int32 id = ngram_wid(lm, line);
        if (id == unknown || id < 0 || id >= unigrams || seen[id])
            continue;
        seen[id] = 1;
        if (count == capacity)
            words = grow(words, &capacity, sizeof *words);
        int32 used;
        words[count].id = id;
        words[count].score = ngram_ng_prob(lm, id, NULL, 0, &used);
        ++count;
    }
    fclose(list);
    qsort(words, count, sizeof *words, more_probable);
    const size_t firsts = first_limit && first_limit < count ? first_limit : count;
    const size_t seconds = second_limit && second_limit < count ? second_limit : count;
    /* Second words in the model's order: a third of the time of asking in any other. */
    struct word *second = malloc(seconds * sizeof *second);
    memcpy(second, words, seconds * sizeof *second);
    qsort(second, seconds, sizeof *second, by_id);

    struct pair *pairs = NULL;
    size_t pair_count = 0, pair_capacity = 0;
    for (size_t a = part; a < firsts; a += parts)
        for (size_t b = 0; b < seconds; ++b) {
            int32 used;
            const int32 score = ngram_bg_score(lm, second[b].id, words[a].id, &used);
            if (used != 2)
                continue;
            if (pair_count == pair_capacity)
                pairs = grow(pairs, &pair_capacity, sizeof *pairs);
            pairs[pair_count++] = (struct pair){words[a].id, second[b].id, score};
        }

    printf("\\data\\\nngram 1=%d\nngram 2=%zu\n\n\\1-grams:\n", unigrams, pair_count);
    for (int32 id = 0; id < unigrams; ++id) {
        int32 used;
        const int32 score = ngram_ng_prob(lm, id, NULL, 0, &used);
        printf("%.4f\t%s\n", logmath_log_to_log10(lmath, score), ngram_word(lm, id));
    }
    printf("\n\\2-grams:\n");
    for (size_t i = 0; i < pair_count; ++i)
        printf("%.4f\t%s\t%s\n", logmath_log_to_log10(lmath, pairs[i].score),
               ngram_word(lm, pairs[i].first), ngram_word(lm, pairs[i].second));
    printf("\n\\end\\\n");
    fprintf(stderr,
            "sphinx-lm-to-arpa: %zu words known, 2-grams asked for %zu x %zu (part %zu of %zu), "
            "%zu found\n",
            count, firsts, seconds, part + 1, parts, pair_count);
    free(pairs);
    free(second);
    free(words);
    free(seen);
    ngram_model_free(lm);
    logmath_free(lmath);
    return ferror(stdout) ? 1 : 0;
}
