// The integer model for the page's tests (written in Python): reads one
// JSON request on standard input, writes the model's answer as JSON.
//   {"cases": {"seed": S, "count": N}}   -> N seeded random cases with what they must show
//   {"convert": [{settings, text, answers}, ...]} -> what each must show
//   {"once": [{settings, text}, ...]}    -> one Convert each, questions unanswered
//   {"ranges": [len, ...]}               -> the valid-range fields at each length
//
// Usage: node expect.js path/to/model-reference.js < request.json
'use strict';
const reference = require('./reference.js');
const { rng, randomCase } = require('./cases.js');

let input = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (d) => { input += d; });
process.stdin.on('end', async () => {
  const model = await reference.load(process.argv[2]);
  const request = JSON.parse(input);
  let answer;
  if (request.cases) {
    const next = rng(request.cases.seed);
    answer = [];
    for (let i = 0; i < request.cases.count; ++i) {
      const c = randomCase(next);
      answer.push({ ...c, want: model.convert(c.settings, c.text, c.answers), labels: model.labels(c.settings.base) });
    }
  } else if (request.convert) {
    answer = request.convert.map((c) => model.convert(c.settings, c.text, c.answers));
  } else if (request.once) {
    answer = request.once.map((c) => model.convertOnce(c.settings, c.text));
  } else if (request.ranges) {
    answer = request.ranges.map((len) => model.validRanges(len));
  }
  process.stdout.write(JSON.stringify(answer));
});
