#!/usr/bin/env python3
"""Runs the benchmark workloads in our number type, raw GMP, Python's decimal
and int, and GNU bc; checks that the result texts agree; prints one table of
medians with the ratios ours / peer (below 1: we are faster).

Called by compare.sh with the two benchmark binaries and a work directory.
"""

import decimal
import json
import os
import statistics
import subprocess
import sys
import time
from fractions import Fraction

sys.set_int_max_str_digits(0)

POWER_BASE, POWER_EXPONENT = 3, 200000
QUOTIENT_PLACES, SEVENTH_PLACES = 50, 100000
TRIG_ANGLE, TRIG_PRECISION = 30, 50
KEY_A, KEY_B, KEY_PLACES = "12345.6789", "3.14159", 5

WORKLOADS = [
    "W1_power",
    "W2_quotient_1000_digits",
    "W2_one_seventh_100000",
    "W3_square",
    "W4_decimal_to_binary",
    "W4_binary_to_decimal",
    "W4_decimal_to_hex",
    "W5_sin_30",
    "W5_tan_30",
    "W6_key_press",
]


# ---- Result texts ---------------------------------------------------------------

def normalise(text):
    """The shortest plain form: bc writes ".5" and keeps trailing zeros."""
    text = text.strip().replace("\\\n", "")
    negative = text.startswith("-")
    if negative:
        text = text[1:]
    if text.startswith("."):
        text = "0" + text
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if text in ("", "0"):
        return "0"
    return ("-" if negative else "") + text


def fixed_text(value, places):
    """An integer value × 10^-places as plain decimal text."""
    digits = str(value)
    if places == 0:
        return digits
    digits = digits.rjust(places + 1, "0")
    return normalise(digits[:-places] + "." + digits[-places:])


def split_decimal(text):
    whole, _, fraction = text.partition(".")
    return int(whole + fraction), len(fraction)


# ---- Timing ----------------------------------------------------------------------

def timed_runs(run, budget=3.0, most=7):
    """Median seconds of run() over up to `most` runs within about `budget` s."""
    times, result = [], None
    start = time.perf_counter()
    while len(times) < most:
        t0 = time.perf_counter()
        result = run()
        times.append(time.perf_counter() - t0)
        if time.perf_counter() - start > budget and len(times) >= 1:
            break
    return statistics.median(times), result


def per_call(run, calls):
    def batch():
        result = None
        for _ in range(calls):
            result = run()
        return result
    median, result = timed_runs(batch, budget=2.0, most=5)
    return median / calls, result


# ---- Google Benchmark binaries ---------------------------------------------------

def run_benchmark_binary(path, rounds_out):
    output = subprocess.run(
        [path, "--benchmark_format=json", "--benchmark_repetitions=3",
         "--benchmark_min_time=0.1"],
        check=True, capture_output=True, text=True).stdout
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("run_type") != "iteration":
            continue
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
        rounds_out.setdefault(entry["run_name"], []).append(entry["real_time"] * scale)


def binary_results(path, directory):
    os.makedirs(directory, exist_ok=True)
    subprocess.run([path, "--write_results=" + directory], check=True)
    results = {}
    for name in WORKLOADS:
        texts, i = [], 0
        while os.path.exists(os.path.join(directory, f"{name}_{i}.txt")):
            with open(os.path.join(directory, f"{name}_{i}.txt")) as f:
                texts.append(f.read())
            i += 1
        if texts:
            results[name] = texts
    return results


# ---- Python decimal and int ------------------------------------------------------

def python_decimal(inputs):
    D = decimal.Decimal
    big = dict(Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN, rounding=decimal.ROUND_DOWN)
    dividend, divisor = D(inputs["quotient_dividend"]), D(inputs["quotient_divisor"])
    square = D(inputs["square_operand"])
    places = D(1).scaleb(-QUOTIENT_PLACES)
    key_places = D(1).scaleb(-KEY_PLACES)
    key_context = decimal.Context(prec=28, rounding=decimal.ROUND_DOWN)

    def power():
        context = decimal.Context(prec=100000, **big)
        return [str(context.power(D(POWER_BASE), POWER_EXPONENT))]

    def quotient():
        context = decimal.Context(
            prec=dividend.adjusted() - divisor.adjusted() + QUOTIENT_PLACES + 2, **big)
        q = context.divide(dividend, divisor)
        return [str(q.quantize(places, rounding=decimal.ROUND_DOWN, context=context))]

    def seventh():
        context = decimal.Context(prec=SEVENTH_PLACES, **big)
        return [str(context.divide(D(1), D(7)))]

    def squared():
        context = decimal.Context(prec=2 * len(inputs["square_operand"]), **big)
        return [str(context.multiply(square, square))]

    def key_press():
        a, b = D(KEY_A), D(KEY_B)
        q = key_context.divide(a, b).quantize(key_places, rounding=decimal.ROUND_DOWN)
        return [str(a * b), str(q)]

    return {
        "W1_power": lambda: timed_runs(power),
        "W2_quotient_1000_digits": lambda: per_call(quotient, 2000),
        "W2_one_seventh_100000": lambda: timed_runs(seventh),
        "W3_square": lambda: timed_runs(squared),
        "W6_key_press": lambda: per_call(key_press, 20000),
    }


def python_int(inputs):
    dividend, dividend_places = split_decimal(inputs["quotient_dividend"])
    divisor, divisor_places = split_decimal(inputs["quotient_divisor"])
    square, square_places = split_decimal(inputs["square_operand"])
    assert dividend_places == divisor_places
    radix_text = inputs["radix_operand"]
    binary_text = format(int(radix_text), "b")

    def key_press():
        a, a_places = split_decimal(KEY_A)
        b, b_places = split_decimal(KEY_B)
        q = a * 10 ** (KEY_PLACES + b_places - a_places) // b
        return [fixed_text(a * b, a_places + b_places), fixed_text(q, KEY_PLACES)]

    return {
        "W1_power": lambda: timed_runs(lambda: [str(POWER_BASE ** POWER_EXPONENT)]),
        "W2_quotient_1000_digits": lambda: per_call(
            lambda: [fixed_text(dividend * 10 ** QUOTIENT_PLACES // divisor, QUOTIENT_PLACES)], 2000),
        "W2_one_seventh_100000": lambda: timed_runs(
            lambda: [fixed_text(10 ** SEVENTH_PLACES // 7, SEVENTH_PLACES)]),
        "W3_square": lambda: timed_runs(lambda: [fixed_text(square * square, 2 * square_places)]),
        "W4_decimal_to_binary": lambda: timed_runs(lambda: [format(int(radix_text), "b")]),
        "W4_binary_to_decimal": lambda: timed_runs(lambda: [str(int(binary_text, 2))]),
        "W4_decimal_to_hex": lambda: timed_runs(lambda: [format(int(radix_text), "X")]),
        "W6_key_press": lambda: per_call(key_press, 20000),
    }


# ---- GNU bc -----------------------------------------------------------------------

def run_bc(program, work, math_library=False):
    path = os.path.join(work, "program.bc")
    with open(path, "w") as f:
        f.write(program + "\nquit\n")
    command = ["bc", "-q"] + (["-l"] if math_library else []) + [path]
    env = dict(os.environ, BC_LINE_LENGTH="0")
    t0 = time.perf_counter()
    output = subprocess.run(command, check=True, capture_output=True, text=True, env=env).stdout
    return time.perf_counter() - t0, output


def bc_median(program, baseline, work, math_library=False, repeat=1, budget=3.0):
    """Median time of the program minus the median of the baseline program
    (process start and reading the operands), divided by repeat."""
    times, output = [], ""
    start = time.perf_counter()
    while len(times) < 5:
        elapsed, output = run_bc(program, work, math_library)
        times.append(elapsed)
        if time.perf_counter() - start > budget:
            break
    base = statistics.median(run_bc(baseline, work, math_library)[0] for _ in range(3))
    return max(statistics.median(times) - base, 0.0) / repeat, output


def gnu_bc(inputs, work):
    a, b = inputs["quotient_dividend"], inputs["quotient_divisor"]
    x, r = inputs["square_operand"], inputs["radix_operand"]
    binary = format(int(r), "b")
    trig_scale = TRIG_PRECISION + 2
    trig_loops = 500
    key_loops = 20000

    def lines(text):
        return [line for line in text.splitlines() if line.strip()]

    def w5(expression):
        program = (f"scale={trig_scale}\nfor(i=0;i<{trig_loops};i++){{p=4*a(1);x={TRIG_ANGLE}*p/180;"
                   f"y={expression}}}\ny\n")
        seconds, output = bc_median(program, "", work, True, trig_loops)
        return seconds, lines(output)

    def w6():
        body = (f"a={KEY_A};b={KEY_B};scale=20;p=a*b;scale={KEY_PLACES};q=a/b;scale=0;"
                "print p,\"\\n\",q,\"\\n\"")
        program = f"for(i=0;i<{key_loops};i++){{{body}}}\n"
        seconds, output = bc_median(program, "", work, False, key_loops)
        return seconds, lines(output)[-2:]

    return {
        "W1_power": lambda: tuple_lines(bc_median(f"{POWER_BASE}^{POWER_EXPONENT}", "", work)),
        "W2_quotient_1000_digits": lambda: tuple_lines(bc_median(
            f"a={a}\nb={b}\nscale={QUOTIENT_PLACES}\nfor(i=0;i<200;i++)q=a/b\nq\n",
            f"a={a}\nb={b}\n", work, repeat=200)),
        "W2_one_seventh_100000": lambda: tuple_lines(bc_median(
            f"scale={SEVENTH_PLACES}\n1/7\n", "", work)),
        "W3_square": lambda: tuple_lines(bc_median(
            f"x={x}\nscale={2 * len(x.partition('.')[2])}\nx*x\n", f"x={x}\n", work)),
        "W4_decimal_to_binary": lambda: tuple_lines(bc_median(f"x={r}\nobase=2\nx\n", f"x={r}\n", work)),
        "W4_binary_to_decimal": lambda: tuple_lines(bc_median(f"ibase=2\nx={binary}\nx\n", "", work)),
        "W4_decimal_to_hex": lambda: tuple_lines(bc_median(f"x={r}\nobase=16\nx\n", f"x={r}\n", work)),
        "W5_sin_30": lambda: w5("s(x)"),
        "W5_tan_30": lambda: w5("s(x)/c(x)"),
        "W6_key_press": w6,
    }


def tuple_lines(pair):
    seconds, output = pair
    return seconds, [line for line in output.splitlines() if line.strip()]


# ---- Agreement ------------------------------------------------------------------------

def agree(workload, ours, theirs):
    if len(ours) != len(theirs):
        return False
    for mine, other in zip(ours, theirs):
        if workload.startswith("W5"):
            # Ours is rounded (sine) or truncated (tangent) at the precision;
            # bc carries its own last digits.
            if abs(Fraction(normalise(mine)) - Fraction(normalise(other))) > Fraction(1, 10 ** TRIG_PRECISION):
                return False
        elif normalise(mine) != normalise(other):
            return False
    return True


# ---- Table -----------------------------------------------------------------------------

def show(seconds):
    if seconds is None:
        return "n/a"
    if seconds < 1e-3:
        return f"{seconds * 1e6:.3g} us"
    if seconds < 1:
        return f"{seconds * 1e3:.3g} ms"
    return f"{seconds:.3g} s"


def main():
    ours_binary, gmp_binary, work = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(work, exist_ok=True)
    inputs_dir = os.path.join(work, "inputs")
    os.makedirs(inputs_dir, exist_ok=True)
    subprocess.run([ours_binary, "--write_inputs=" + inputs_dir], check=True)
    inputs = {}
    for name in os.listdir(inputs_dir):
        with open(os.path.join(inputs_dir, name)) as f:
            inputs[name[:-4]] = f.read().strip()

    results = {"ours": binary_results(ours_binary, os.path.join(work, "ours")),
               "gmp": binary_results(gmp_binary, os.path.join(work, "gmp"))}

    # Our binary and the raw-GMP binary run in alternation, three rounds of
    # three repetitions, so that the load of the machine falls on both alike.
    samples = {"ours": {}, "gmp": {}}
    for _ in range(3):
        print("timing our number type and raw GMP ...", file=sys.stderr)
        run_benchmark_binary(ours_binary, samples["ours"])
        run_benchmark_binary(gmp_binary, samples["gmp"])
    medians = {peer: {name: statistics.median(values) for name, values in table.items()}
               for peer, table in samples.items()}

    peers = [("decimal", python_decimal(inputs)), ("int", python_int(inputs)), ("bc", gnu_bc(inputs, work))]
    for peer, workloads in peers:
        medians[peer], results[peer] = {}, {}
        for name, run in workloads.items():
            print(f"timing {peer} {name} ...", file=sys.stderr)
            seconds, texts = run()
            medians[peer][name] = seconds
            results[peer][name] = texts

    columns = ["gmp", "decimal", "int", "bc"]
    titles = {"gmp": "raw GMP", "decimal": "Py decimal", "int": "Py int", "bc": "bc"}
    header = f"{'workload':<26}{'ours':>11}" + "".join(f"{titles[c]:>14}{'ratio':>8}" for c in columns)
    print()
    print("Medians; ratio = ours / peer (below 1: ours is faster).")
    print(header)
    print("-" * len(header))
    mismatches = []
    for name in WORKLOADS:
        ours = medians["ours"].get(name)
        row = f"{name:<26}{show(ours):>11}"
        for peer in columns:
            theirs = medians[peer].get(name)
            if theirs is None:
                row += f"{'n/a':>14}{'':>8}"
                continue
            if not agree(name, results["ours"][name], results[peer][name]):
                mismatches.append(f"{name}: {peer}")
            ratio = ours / theirs if theirs > 0 else float("inf")
            row += f"{show(theirs):>14}{ratio:>8.2f}"
        print(row)

    print()
    goals = []

    def goal(description, held):
        goals.append(held)
        print(f"  [{'held' if held else 'MISSED'}] {description}")

    def ratio(name, peer):
        theirs = medians[peer][name]
        return medians["ours"][name] / theirs if theirs > 0 else float("inf")

    print("Goals:")
    for peer in ("bc", "int"):
        for name in WORKLOADS:
            if name in medians[peer]:
                goal(f"{name} faster than {titles[peer]} ({ratio(name, peer):.2f})", ratio(name, peer) < 1)
    for name in ("W1_power", "W2_quotient_1000_digits", "W3_square", "W4_decimal_to_binary",
                 "W4_binary_to_decimal", "W4_decimal_to_hex"):
        goal(f"{name} within 1.5x of raw GMP ({ratio(name, 'gmp'):.2f})", ratio(name, "gmp") <= 1.5)
    for name in ("W1_power", "W2_quotient_1000_digits", "W2_one_seventh_100000", "W3_square"):
        goal(f"{name} within 2x of Py decimal ({ratio(name, 'decimal'):.2f})", ratio(name, "decimal") <= 2)
    goal(f"W6_key_press under 1 us ({show(medians['ours']['W6_key_press'])})",
         medians["ours"]["W6_key_press"] < 1e-6)

    print()
    if mismatches:
        print("Result texts DISAGREE: " + ", ".join(mismatches))
        return 1
    print("All result texts agree.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
